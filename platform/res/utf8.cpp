#include "platform/res/utf8.h"

namespace res {

namespace {

// Lead byte -> sequence length and the payload bits it carries.
bool DecodeLead(unsigned char lead, int& length, char32_t& value) {
  if (lead < 0x80) { length = 1; value = lead; return true; }
  if ((lead & 0xE0) == 0xC0) { length = 2; value = lead & 0x1F; return true; }
  if ((lead & 0xF0) == 0xE0) { length = 3; value = lead & 0x0F; return true; }
  if ((lead & 0xF8) == 0xF0) { length = 4; value = lead & 0x07; return true; }
  return false;
}

bool IsWellFormed(char32_t value, int length) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return value >= kSmallest[length] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

}  // namespace

std::optional<std::wstring> WideFromUtf8(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    int length = 0;
    char32_t value = 0;
    if (!DecodeLead(static_cast<unsigned char>(text[i]), length, value)) return std::nullopt;
    if (i + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      value = (value << 6) | (next & 0x3F);
    }
    if (!IsWellFormed(value, length)) return std::nullopt;
    wide.push_back(static_cast<wchar_t>(value));
    i += static_cast<std::size_t>(length);
  }
  return wide;
}

}  // namespace res
