// Win32 conversion rules over iconv: sizes in characters of the target,
// -1 source lengths include the terminator, a zero destination size asks
// for the size, and a destination too small fails rather than truncating.
#include "platform/win/stringapiset.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "platform/core/context.h"

namespace {

// One iconv conversion direction.
class CodeConverter {
 public:
  enum class Step {
    kDone,     // all input converted
    kFull,     // output has no room for the next character
    kInvalid,  // the next input bytes are not a character (or have no form in the target)
  };

  CodeConverter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~CodeConverter() {
    if (IsOpen()) iconv_close(handle_);
  }
  CodeConverter(const CodeConverter&) = delete;
  CodeConverter& operator=(const CodeConverter&) = delete;

  // False when iconv lacks the character set.
  bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Starts a new text: forgets any shift state left by the last one.
  void Reset() { iconv(handle_, nullptr, nullptr, nullptr, nullptr); }

  // Converts as much of input as fits in output, advancing both past what
  // was consumed and produced. A sequence cut short by the end of input is
  // kInvalid: nothing follows that could complete it.
  Step Convert(std::span<const char>& input, std::span<char>& output) {
    // iconv's prototype takes char** for input it never writes.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    input = input.last(inLeft);
    output = output.last(outLeft);
    if (result != static_cast<std::size_t>(-1)) return Step::kDone;
    return error == E2BIG ? Step::kFull : Step::kInvalid;
  }

 private:
  iconv_t handle_;
};

// Both directions of code page 949, opened once and kept by the platform
// context, so converting a label costs no iconv_open.
struct CodeConverters : platform::Service {
  CodeConverter toWide{"WCHAR_T", "CP949"};
  CodeConverter fromWide{"CP949", "WCHAR_T"};
};

bool IsKorean(UINT codePage) { return codePage == CP_ACP || codePage == kCodePageKorean; }

CodeConverters& Converters() { return platform::Context::Get().Use<CodeConverters>(); }

// What replaces a wide character the converter rejects: fail when
// replacement is empty, else emit it and skip that character.
struct Substitution {
  std::string_view replacement;
  BOOL* used = nullptr;  // set when a replacement was emitted
};

// Runs input through converter into out (capacity bytes), or only counts
// when out is null. nullopt on rejected input without a substitution, or
// when out is too small.
std::optional<std::size_t> Run(CodeConverter& converter, std::span<const char> input, char* out,
                               std::size_t capacity, const Substitution& substitution) {
  if (!converter.IsOpen()) return std::nullopt;
  converter.Reset();
  std::array<char, 256> scratch;
  std::size_t produced = 0;
  for (;;) {
    std::span<char> room =
        out ? std::span<char>(out + produced, capacity - produced) : std::span<char>(scratch);
    const std::size_t before = room.size();
    const CodeConverter::Step step = converter.Convert(input, room);
    produced += before - room.size();
    if (step == CodeConverter::Step::kDone) return produced;
    if (step == CodeConverter::Step::kFull) {
      if (!out) continue;
      // The rest may be characters the converter drops (iconv skips tag
      // characters): full only if counting it would add bytes.
      const std::optional<std::size_t> rest = Run(converter, input, nullptr, 0, substitution);
      return rest == std::size_t{0} ? std::optional<std::size_t>(produced) : std::nullopt;
    }
    const std::string_view replacement = substitution.replacement;
    if (replacement.empty()) return std::nullopt;
    if (out) {
      if (capacity - produced < replacement.size()) return std::nullopt;
      std::memcpy(out + produced, replacement.data(), replacement.size());
    }
    produced += replacement.size();
    input = input.subspan(std::min(sizeof(wchar_t), input.size()));
    if (substitution.used) *substitution.used = TRUE;
    converter.Reset();
  }
}

// Source length in units, -1 counting through the terminator; nullopt
// for lengths Win32 refuses.
template <class Char>
std::optional<std::size_t> SourceLength(const Char* src, int length) {
  if (!src || length == 0 || length < -1) return std::nullopt;
  if (length >= 0) return static_cast<std::size_t>(length);
  return std::char_traits<Char>::length(src) + 1;
}

int ResultCount(std::optional<std::size_t> bytes, std::size_t unit) {
  if (!bytes || *bytes / unit > static_cast<std::size_t>(INT32_MAX)) return 0;
  return static_cast<int>(*bytes / unit);
}

std::string_view DefaultCharOf(LPCSTR defaultChar) {
  return defaultChar ? std::string_view(defaultChar, 1) : "?";
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR src, int srcBytes, LPWSTR dst, int dstChars) {
  const std::optional<std::size_t> length = SourceLength(src, srcBytes);
  if (!IsKorean(codePage) || !length || dstChars < 0 || (dstChars > 0 && !dst)) return 0;
  char* out = dstChars > 0 ? reinterpret_cast<char*>(dst) : nullptr;
  return ResultCount(
      Run(Converters().toWide, {src, *length}, out, dstChars * sizeof(wchar_t), Substitution{}),
      sizeof(wchar_t));
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR src, int srcChars, LPSTR dst, int dstBytes,
                        LPCSTR defaultChar, BOOL* usedDefault) {
  const std::optional<std::size_t> length = SourceLength(src, srcChars);
  if (!IsKorean(codePage) || !length || dstBytes < 0 || (dstBytes > 0 && !dst)) return 0;
  if (usedDefault) *usedDefault = FALSE;
  const Substitution substitution{DefaultCharOf(defaultChar), usedDefault};
  const std::span<const char> input(reinterpret_cast<const char*>(src), *length * sizeof(wchar_t));
  return ResultCount(Run(Converters().fromWide, input, dstBytes > 0 ? dst : nullptr,
                         static_cast<std::size_t>(dstBytes), substitution),
                     1);
}
