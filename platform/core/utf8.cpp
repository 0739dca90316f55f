#include "platform/core/utf8.h"

namespace platform {

namespace {

bool IsScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Lead byte -> sequence length and the payload bits it carries.
bool DecodeLead(unsigned char lead, int& length, char32_t& value) {
  if (lead < 0x80) {
    length = 1;
    value = lead;
    return true;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
    return true;
  }
  if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
    return true;
  }
  if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
    return true;
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
