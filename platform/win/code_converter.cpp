#include "platform/win/code_converter.h"

#include <iconv.h>

#include <cerrno>

namespace win {

namespace {

const iconv_t kClosed = reinterpret_cast<iconv_t>(-1);

struct Names {
  const char* to;
  const char* from;
};

// Indexed by Conversion.
constexpr std::array<Names, static_cast<std::size_t>(Conversion::kCount)> kNames = {{
    {"WCHAR_T", "CP949"},
    {"CP949", "WCHAR_T"},
    {"WCHAR_T", "UTF-8"},
    {"UTF-8", "WCHAR_T"},
}};

}  // namespace

CodeConverter::CodeConverter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}

CodeConverter::~CodeConverter() {
  if (IsOpen()) iconv_close(static_cast<iconv_t>(handle_));
}

bool CodeConverter::IsOpen() const { return static_cast<iconv_t>(handle_) != kClosed; }

void CodeConverter::Reset() {
  if (IsOpen()) iconv(static_cast<iconv_t>(handle_), nullptr, nullptr, nullptr, nullptr);
}

CodeConverter::Step CodeConverter::Convert(std::span<const char>& input, std::span<char>& output) {
  if (!IsOpen()) return Step::kInvalid;
  // iconv's prototype takes char** for input it never writes.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(static_cast<iconv_t>(handle_), &in, &inLeft, &out, &outLeft);
  const int error = errno;
  input = input.last(inLeft);
  output = output.last(outLeft);
  if (result != static_cast<std::size_t>(-1)) return Step::kDone;
  return error == E2BIG ? Step::kFull : Step::kInvalid;
}

CodeConverter& CodeConverters::For(Conversion conversion) {
  std::unique_ptr<CodeConverter>& converter = open_[static_cast<std::size_t>(conversion)];
  if (!converter) {
    const Names& names = kNames[static_cast<std::size_t>(conversion)];
    converter = std::make_unique<CodeConverter>(names.to, names.from);
  }
  return *converter;
}

}  // namespace win
