#include "platform/core/utf8.h"

namespace platform {

namespace {

bool IsScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  // A lead byte marked with the count of six-bit continuation bytes after it.
  static constexpr unsigned char kLeadMark[] = {0, 0xC0, 0xE0, 0xF0};
  const int following = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLeadMark[following] | (c >> (6 * following)));
  for (int shift = 6 * (following - 1); shift >= 0; shift -= 6)
    out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
}

// Lead byte -> sequence length and the payload bits it carries.
bool DecodeLead(unsigned char lead, int& length, char32_t& value) {
  static constexpr struct {
    unsigned char mask, pattern, payload;
  } kLeads[] = {{0x80, 0x00, 0x7F}, {0xE0, 0xC0, 0x1F}, {0xF0, 0xE0, 0x0F}, {0xF8, 0xF0, 0x07}};
  for (int i = 0; i < 4; ++i) {
    if ((lead & kLeads[i].mask) == kLeads[i].pattern) {
      length = i + 1;
      value = lead & kLeads[i].payload;
      return true;
    }
  }
  return false;
}

// A decoded value is refused when a shorter sequence could have carried it.
bool IsWellFormed(char32_t value, int length) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return value >= kSmallest[length] && IsScalarValue(value);
}

}  // namespace

std::optional<std::string> Utf8FromWide(const std::wstring& wide) {
  std::string out;
  out.reserve(wide.size());
  for (wchar_t w : wide) {
    char32_t c = static_cast<char32_t>(w);
    if (!IsScalarValue(c)) return std::nullopt;
    AppendUtf8(c, out);
  }
  return out;
}

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

}  // namespace platform
