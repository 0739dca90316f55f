#include "platform/win/code_converter.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace win {

namespace {

const iconv_t kClosed = reinterpret_cast<iconv_t>(-1);

// glibc's UTF-8 decoder takes the old forms past U+10FFFF (F4 90 and up,
// leads F5 to FD) and its encoder wide characters past it, where the
// system's conversions refuse them as not characters: the input up to the
// first such form; the rest of Unicode's rules iconv keeps itself. Only
// what one call can reach is looked at, so that converting a long text in
// pieces stays linear.
constexpr unsigned kLastCodePoint = 0x10FFFF;

// Each wide character written takes at most four bytes of UTF-8.
std::size_t Utf8WithinUnicode(std::span<const char> utf8, std::size_t outputBytes) {
  const std::size_t reach = std::min(utf8.size(), outputBytes + 4);
  for (std::size_t i = 0; i < reach; ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const bool pastF48F =
        byte == 0xF4 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x90;
    if (byte >= 0xF5 || pastF48F) return i;
  }
  return utf8.size();
}

// Each wide character taken writes at least one byte of UTF-8.
std::size_t WideWithinUnicode(std::span<const char> wide, std::size_t outputBytes) {
  const std::size_t reach = std::min(wide.size(), (outputBytes + 1) * sizeof(wchar_t));
  for (std::size_t at = 0; at + sizeof(wchar_t) <= reach; at += sizeof(wchar_t)) {
    wchar_t c = 0;
    std::memcpy(&c, wide.data() + at, sizeof c);
    if (static_cast<std::uint32_t>(c) > kLastCodePoint) return at;
  }
  return wide.size();
}

struct Names {
  const char* to;
  const char* from;
  CodeConverter::Accepted accepted;
};

// Indexed by Conversion.
constexpr std::array<Names, static_cast<std::size_t>(Conversion::kCount)> kNames = {{
    {"WCHAR_T", "CP949", nullptr},
    {"CP949", "WCHAR_T", nullptr},
    {"WCHAR_T", "UTF-8", Utf8WithinUnicode},
    {"UTF-8", "WCHAR_T", WideWithinUnicode},
}};

}  // namespace

CodeConverter::CodeConverter(const char* to, const char* from, Accepted accepted)
    : handle_(iconv_open(to, from)), accepted_(accepted) {}

CodeConverter::~CodeConverter() {
  if (IsOpen()) iconv_close(static_cast<iconv_t>(handle_));
}

bool CodeConverter::IsOpen() const { return static_cast<iconv_t>(handle_) != kClosed; }

void CodeConverter::Reset() {
  if (IsOpen()) iconv(static_cast<iconv_t>(handle_), nullptr, nullptr, nullptr, nullptr);
}

CodeConverter::Step CodeConverter::Convert(std::span<const char>& input, std::span<char>& output) {
  if (!IsOpen()) return Step::kInvalid;
  const std::size_t taken = accepted_ ? accepted_(input, output.size()) : input.size();
  // iconv's prototype takes char** for input it never writes.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = taken;
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(static_cast<iconv_t>(handle_), &in, &inLeft, &out, &outLeft);
  const int error = errno;
  input = input.subspan(taken - inLeft);
  output = output.last(outLeft);
  if (result != static_cast<std::size_t>(-1)) return input.empty() ? Step::kDone : Step::kInvalid;
  return error == E2BIG ? Step::kFull : Step::kInvalid;
}

CodeConverter& CodeConverters::For(Conversion conversion) {
  std::unique_ptr<CodeConverter>& converter = open_[static_cast<std::size_t>(conversion)];
  if (!converter) {
    const Names& names = kNames[static_cast<std::size_t>(conversion)];
    converter = std::make_unique<CodeConverter>(names.to, names.from, names.accepted);
  }
  return *converter;
}

}  // namespace win
