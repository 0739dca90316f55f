#include "dialogs/scaled_value.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kReadLimit = 99;

}  // namespace

// Texts here come from the keypad or a record, so anything beyond ASCII
// ends the number, as an unconvertible character would.
double ReadDecimal(std::wstring_view text) {
  std::string narrow;
  for (wchar_t ch : text.substr(0, kReadLimit)) {
    if (ch <= 0 || ch > 0x7F) break;
    narrow += static_cast<char>(ch);
  }
  return std::strtod(narrow.c_str(), nullptr);
}

std::optional<std::int32_t> ParseScaledValue(std::wstring_view text, int scale) {
  const double scaled = ReadDecimal(text) * scale + 0.5;
  const double truncated = std::trunc(scaled);
  if (!(truncated >= INT32_MIN && truncated <= INT32_MAX)) return std::nullopt;
  return static_cast<std::int32_t>(truncated);
}
