#include "tools/ledger/arguments.h"

#include <charconv>
#include <string>
#include <vector>

#include "app/calendar.h"
#include "ledger/expense_items.h"
#include "platform/core/scaled_decimal.h"

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

// What a CSV row and a typed value almost always hold, read in one pass:
// a minus at most, digits and a point, no more decimals than the scale
// keeps (nothing to round), a value far from 64 bits. Anything else is
// left to ScaleDecimal.
std::optional<std::int64_t> ScaleShort(std::string_view text, std::int64_t scale) {
  constexpr std::int64_t kMostDigits = 0xFFFFFFFF;  // times a 32-bit scale fits 63 bits
  const size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
  const size_t point = text.find('.', first);
  std::int64_t digits = 0;
  for (size_t at = first; at < text.size(); ++at) {
    if (at == point) continue;
    if (!IsDigit(text[at]) || digits > kMostDigits) return std::nullopt;
    digits = digits * 10 + (text[at] - '0');
  }
  std::int64_t unit = scale;  // of the last digit
  if (point != text.npos)
    for (size_t decimals = text.size() - point - 1; decimals > 0; --decimals) unit /= 10;
  if (text.size() - first == (point == text.npos ? 0u : 1u) || digits > kMostDigits || unit == 0)
    return std::nullopt;
  return (first == 1 ? -digits : digits) * unit;
}

// The catalogue holds an item of this id; looked up once, as every row
// names one.
bool IsCatalogued(long long id) {
  static const std::vector<bool> catalogued = [] {
    std::vector<bool> ids;
    for (const ExpenseItem* item = g_expenseItems; item->name; ++item) {
      const auto at = static_cast<size_t>(item->id);
      if (ids.size() <= at) ids.resize(at + 1);
      ids[at] = true;
    }
    return ids;
  }();
  return id >= 0 && static_cast<unsigned long long>(id) < catalogued.size() && catalogued[id];
}

// What a 32-bit field holds in hundredths (fuel, cost) and in thousandths
// (distance).
constexpr char kHundredthsRange[] = "from -21,474,836.48 to 21,474,836.47";
constexpr char kThousandthsRange[] = "from -2,147,483.648 to 2,147,483.647";

RecordProblem BadValue(const char* field, const char* what, std::string_view text,
                       const char* range) {
  return {field, std::string("bad ") + what + " '" + std::string(text) + "' (a decimal number " +
                     range + ")"};
}

std::int16_t Narrow(long long value) { return static_cast<std::int16_t>(value); }

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

// From the digits, never through a double: 1.005 is 101 hundredths, and
// -1.005 is -101 (half away from zero, so a negative value is stored as
// typed).
bool ReadScaled(std::string_view text, int scale, std::int32_t& value) {
  std::optional<std::int64_t> scaled = ScaleShort(text, scale);
  if (!scaled) scaled = platform::ScaleDecimal(text, platform::DecimalPlaces(scale));
  if (!scaled || *scaled < -2147483648LL || *scaled > 2147483647LL) return false;
  value = static_cast<std::int32_t>(*scaled);
  return true;
}

std::variant<ExpenseRecord, RecordProblem> ParseRecord(const RecordText& text) {
  Date date{};
  if (!ReadDate(text.date, date))
    return RecordProblem{"date", "bad date '" + std::string(text.date) +
                                     "' (YYYY-MM-DD, a real day of years 1..9999)"};
  long long item = 0;
  if (!ReadInteger(text.item, 0, 0x7FFFFFFF, item) || !IsCatalogued(item))
    return RecordProblem{"item_id", "unknown item id '" + std::string(text.item) + "' (0..21)"};
  std::int32_t fuel = 0;
  if (!ReadScaled(text.fuel, 100, fuel))
    return BadValue("fuel_l", "fuel", text.fuel, kHundredthsRange);
  std::int32_t cost = 0;
  if (!ReadScaled(text.cost, 100, cost))
    return BadValue("cost", "cost", text.cost, kHundredthsRange);
  std::int32_t distance = 0;
  if (!ReadScaled(text.km, 1000, distance))
    return BadValue("distance_km", "distance", text.km, kThousandthsRange);
  if (cost == 0 && distance == 0) {
    return RecordProblem{"cost and distance_km", "cost and distance are both 0; nothing to record"};
  }
  return ExpenseRecord{
      Narrow(date.year), Narrow(date.month), Narrow(date.day), Narrow(item), cost, fuel, distance};
}

}  // namespace ledger_tool
