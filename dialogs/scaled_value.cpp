#include "dialogs/scaled_value.h"

#include <algorithm>
#include <string>

#include "platform/core/scaled_decimal.h"

namespace {

constexpr std::size_t kReadLimit = 99;
constexpr std::size_t kLeastDecimals = 2;

}  // namespace

// Texts here come from the keypad or a record, so anything beyond ASCII
// ends the number, as an unconvertible character would.
std::optional<std::int32_t> ParseScaledValue(std::wstring_view text, int scale) {
  std::string narrow;
  for (wchar_t ch : text.substr(0, kReadLimit)) {
    if (ch <= 0 || ch > 0x7F) break;
    narrow += static_cast<char>(ch);
  }
  const std::size_t blanks = std::min(narrow.find_first_not_of(" \t\n\v\f\r"), narrow.size());
  std::string_view number = std::string_view(narrow).substr(blanks);
  number = number.substr(0, platform::DecimalPrefixLength(number));
  if (number.find_first_of("0123456789") == std::string_view::npos) return 0;
  const std::optional<std::int64_t> scaled =
      platform::ScaleDecimal(number, platform::DecimalPlaces(scale));
  if (!scaled || *scaled < INT32_MIN || *scaled > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(*scaled);
}

std::wstring FormatScaledValue(std::int32_t value, int scale) {
  const auto places = static_cast<std::size_t>(platform::DecimalPlaces(scale));
  const std::int64_t magnitude = value < 0 ? -std::int64_t{value} : value;
  std::wstring decimals = std::to_wstring(magnitude % scale);
  decimals.insert(0, places - decimals.size(), L'0');
  while (decimals.size() > kLeastDecimals && decimals.back() == L'0') decimals.pop_back();
  return (value < 0 ? L"-" : L"") + std::to_wstring(magnitude / scale) + L"." + decimals;
}
