// Win32 conversion rules over iconv: sizes in characters of the target,
// -1 source lengths include the terminator, a zero destination size asks
// for the size, and a destination too small fails rather than truncating.
#include "platform/win/stringapiset.h"

#include <array>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "platform/win/code_converter.h"

namespace {

using win::CodeConverter;
using win::Conversion;

enum class Charset { kKorean, kUtf8 };

std::optional<Charset> CharsetOf(UINT codePage) {
  if (codePage == CP_ACP || codePage == kCodePageKorean) return Charset::kKorean;
  if (codePage == CP_UTF8) return Charset::kUtf8;
  return std::nullopt;
}

CodeConverter& ConverterFor(Conversion conversion) {
  return platform::Context::Get().Use<win::CodeConverters>().For(conversion);
}

// What replaces input the converter rejects: fail when replacement is
// empty, else emit it and skip `skip` input bytes.
struct Substitution {
  std::string_view replacement;
  std::size_t skip = 1;
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
    input = input.subspan(std::min(substitution.skip, input.size()));
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

// The byte form of the wide character inserted for rejected multibyte input.
struct WideReplacement {
  std::array<char, sizeof(wchar_t)> bytes;
  explicit WideReplacement(wchar_t c) { std::memcpy(bytes.data(), &c, sizeof c); }
  std::string_view View() const { return {bytes.data(), bytes.size()}; }
};

// The caller's default character: one byte, or a lead and trail byte.
std::string_view DefaultCharOf(LPCSTR defaultChar) {
  if (!defaultChar) return "?";
  const auto lead = static_cast<unsigned char>(defaultChar[0]);
  return {defaultChar, lead >= 0x81 && defaultChar[1] != '\0' ? 2u : 1u};
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcBytes, LPWSTR dst,
                        int dstChars) {
  const std::optional<Charset> charset = CharsetOf(codePage);
  const std::optional<std::size_t> length = SourceLength(src, srcBytes);
  if (!charset || !length || dstChars < 0 || (dstChars > 0 && !dst)) return 0;
  // Rejected bytes become U+FFFD in UTF-8 text and '?' in Korean text.
  const WideReplacement replacement(*charset == Charset::kUtf8 ? L'\uFFFD' : L'?');
  Substitution substitution;
  if (!(flags & MB_ERR_INVALID_CHARS)) substitution.replacement = replacement.View();
  CodeConverter& converter = ConverterFor(*charset == Charset::kUtf8 ? Conversion::kUtf8ToWide
                                                                     : Conversion::kKoreanToWide);
  char* out = dstChars > 0 ? reinterpret_cast<char*>(dst) : nullptr;
  return ResultCount(Run(converter, {src, *length}, out, dstChars * sizeof(wchar_t), substitution),
                     sizeof(wchar_t));
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR src, int srcChars, LPSTR dst,
                        int dstBytes, LPCSTR defaultChar, BOOL* usedDefault) {
  const std::optional<Charset> charset = CharsetOf(codePage);
  const std::optional<std::size_t> length = SourceLength(src, srcChars);
  if (!charset || !length || dstBytes < 0 || (dstBytes > 0 && !dst)) return 0;
  // UTF-8 has a form for every character: Win32 refuses a default for it.
  if (*charset == Charset::kUtf8 && (defaultChar || usedDefault)) return 0;
  if (usedDefault) *usedDefault = FALSE;
  Substitution substitution;
  substitution.skip = sizeof(wchar_t);
  substitution.used = usedDefault;
  if (*charset == Charset::kUtf8) {
    if (!(flags & WC_ERR_INVALID_CHARS)) substitution.replacement = "\xEF\xBF\xBD";
  } else {
    substitution.replacement = DefaultCharOf(defaultChar);
  }
  CodeConverter& converter = ConverterFor(*charset == Charset::kUtf8 ? Conversion::kWideToUtf8
                                                                     : Conversion::kWideToKorean);
  const std::span<const char> input(reinterpret_cast<const char*>(src), *length * sizeof(wchar_t));
  return ResultCount(Run(converter, input, dstBytes > 0 ? dst : nullptr,
                         static_cast<std::size_t>(dstBytes), substitution),
                     1);
}
