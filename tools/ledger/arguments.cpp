#include "tools/ledger/arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

#include "app/calendar.h"

namespace ledger_tool {

namespace {

bool AllDigits(std::string_view text, size_t from, size_t to) {
  if (from >= to) return false;
  for (size_t i = from; i < to; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

int DigitsValue(std::string_view text, size_t from, size_t to) {
  int value = 0;
  for (size_t i = from; i < to; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// Sign, digits, at most one point, at least one digit; no exponent, no
// hexadecimal, no spaces, which strtod alone would accept.
bool IsPlainDecimal(std::string_view text) {
  size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  bool digit = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// The value x scale in integers, when no more decimals are given than the
// scale has zeros (all that csv writes): exact, and quicker than strtod.
std::optional<long long> ExactlyScaled(std::string_view text, int scale) {
  const bool negative = text[0] == '-';
  const size_t start = (negative || text[0] == '+') ? 1 : 0;
  const size_t point = std::min(text.find('.'), text.size());
  const size_t decimals = point < text.size() ? text.size() - point - 1 : 0;
  long long unit = 1;
  for (size_t i = 0; i < decimals && unit <= scale; ++i)
    unit *= 10;  // stops before it could overflow
  if (point - start > 12 || unit > scale) return std::nullopt;
  long long whole = 0;
  for (size_t i = start; i < point; ++i) whole = whole * 10 + (text[i] - '0');
  long long fraction = 0;
  for (size_t i = point + 1; i < text.size(); ++i) fraction = fraction * 10 + (text[i] - '0');
  const long long value = whole * scale + fraction * (scale / unit);
  return negative ? -value : value;
}

}  // namespace

std::optional<long long> ParseInteger(std::string_view text, long long low, long long high) {
  const size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (!AllDigits(text, start, text.size()) || text.size() > 19) return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

std::optional<Date> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  if (!AllDigits(text, 0, 4) || !AllDigits(text, 5, 7) || !AllDigits(text, 8, 10))
    return std::nullopt;
  const Date date{DigitsValue(text, 0, 4), DigitsValue(text, 5, 7), DigitsValue(text, 8, 10)};
  if (date.year < 1 || date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
  return date;
}

std::optional<std::int32_t> ParseScaled(std::string_view text, int scale) {
  if (!IsPlainDecimal(text)) return std::nullopt;
  if (const std::optional<long long> exact = ExactlyScaled(text, scale)) {
    if (*exact < -2147483648LL || *exact > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(*exact);
  }
  // Half away from zero, so a negative value is stored as typed (-5 as
  // -500, not the -499 that adding 0.5 and truncating gives).
  const double exact = std::strtod(std::string(text).c_str(), nullptr) * scale;
  const double scaled = exact < 0 ? exact - 0.5 : exact + 0.5;
  // Truncation toward zero keeps values in (-2^31 - 1, 2^31).
  if (!(scaled > -2147483649.0 && scaled < 2147483648.0)) return std::nullopt;
  return static_cast<std::int32_t>(scaled);
}

}  // namespace ledger_tool
