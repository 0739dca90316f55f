#include "tools/ledger/arguments.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "app/calendar.h"

namespace ledger_tool {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of text[from, to), or -1 when that is not all digits.
int DigitsValue(std::string_view text, size_t from, size_t to) {
  int value = 0;
  for (size_t i = from; i < to; ++i) {
    if (!IsDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
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
    if (IsDigit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// scale / 10^decimals, when that is a whole number.
bool DecimalUnit(int scale, long long decimals, long long& unit) {
  unit = scale;
  for (long long i = 0; i < decimals; ++i, unit /= 10) {
    if (unit % 10 != 0) return false;
  }
  return true;
}

// The value x scale in integers, in one pass, when the text is a plain
// decimal of at most 12 whole digits and no more decimals than the scale
// has zeros, nor than 6 (all that csv writes): exact, and quicker than
// strtod.
bool ExactlyScaled(std::string_view text, int scale, long long& value) {
  const char* at = text.data();
  const char* const end = at + text.size();
  const bool negative = at < end && *at == '-';
  if (at < end && (*at == '-' || *at == '+')) ++at;
  long long digits = 0;  // the number without its point
  const char* const whole = at;
  for (; at < end && at - whole < 12 && IsDigit(*at); ++at) digits = digits * 10 + (*at - '0');
  const bool any = at > whole;
  long long decimals = 0;  // at most 6, so that digits cannot overflow
  if (at < end && *at == '.') {
    for (++at; at < end && decimals < 6 && IsDigit(*at); ++at, ++decimals)
      digits = digits * 10 + (*at - '0');
  }
  long long unit = 0;
  if (at != end || !(any || decimals > 0) || !DecimalUnit(scale, decimals, unit)) return false;
  value = negative ? -digits * unit : digits * unit;
  return true;
}

// The value as stored, when it fits 32 bits.
bool Narrowed(long long wide, std::int32_t& value) {
  if (wide < -2147483648LL || wide > 2147483647LL) return false;
  value = static_cast<std::int32_t>(wide);
  return true;
}

// Half away from zero, so a negative value is stored as typed (-5 as
// -500, not the -499 that adding 0.5 and truncating gives).
bool Rounded(std::string_view text, int scale, std::int32_t& value) {
  const double exact = std::strtod(std::string(text).c_str(), nullptr) * scale;
  const double scaled = exact < 0 ? exact - 0.5 : exact + 0.5;
  // Truncation toward zero keeps values in (-2^31 - 1, 2^31).
  if (!(scaled > -2147483649.0 && scaled < 2147483648.0)) return false;
  value = static_cast<std::int32_t>(scaled);
  return true;
}

}  // namespace

// from_chars takes only a minus and digits, as wanted; the length bound
// refuses the long runs of leading zeros it would also take.
bool ReadInteger(std::string_view text, long long low, long long high, long long& value) {
  if (text.size() > 19) return false;
  long long read = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
  if (error != std::errc() || end != text.data() + text.size() || read < low || read > high)
    return false;
  value = read;
  return true;
}

bool ReadDate(std::string_view text, Date& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const Date read{DigitsValue(text, 0, 4), DigitsValue(text, 5, 7), DigitsValue(text, 8, 10)};
  if (read.year < 1 || read.month < 1 || read.month > 12) return false;
  if (read.day < 1 || read.day > DaysInMonth(read.year, read.month)) return false;
  date = read;
  return true;
}

bool ReadScaled(std::string_view text, int scale, std::int32_t& value) {
  long long exact = 0;
  if (ExactlyScaled(text, scale, exact)) return Narrowed(exact, value);
  return IsPlainDecimal(text) && Rounded(text, scale, value);
}

std::optional<long long> ParseInteger(std::string_view text, long long low, long long high) {
  long long value = 0;
  return ReadInteger(text, low, high, value) ? std::optional<long long>(value) : std::nullopt;
}

std::optional<Date> ParseDate(std::string_view text) {
  Date date{};
  return ReadDate(text, date) ? std::optional<Date>(date) : std::nullopt;
}

std::optional<std::int32_t> ParseScaled(std::string_view text, int scale) {
  std::int32_t value = 0;
  return ReadScaled(text, scale, value) ? std::optional<std::int32_t>(value) : std::nullopt;
}

}  // namespace ledger_tool
