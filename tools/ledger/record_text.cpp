#include "tools/ledger/record_text.h"

#include <array>
#include <cstdio>
#include <utility>

#include "ledger/expense_items.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

template <class... Values>
std::string Formatted(const char* format, Values... values) {
  char text[64];
  const int length = std::snprintf(text, sizeof text, format, values...);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// Wide enough for any product of a 64-bit sum and a small multiplier.
using Wide = unsigned __int128;

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

std::uint64_t PowerOfTen(int digits) {
  std::uint64_t power = 1;
  while (digits-- > 0) power *= 10;
  return power;
}

// numerator / denominator in units of 10^-decimals, rounded half up.
std::uint64_t RoundedUnits(Wide numerator, Wide denominator, int decimals) {
  const Wide scaled = numerator * PowerOfTen(decimals);
  return static_cast<std::uint64_t>((scaled + denominator / 2) / denominator);
}

std::string WithPoint(bool negative, std::uint64_t units, int decimals) {
  const auto places = static_cast<size_t>(decimals);
  std::string digits = std::to_string(units);
  // A digit before the point at least.
  if (digits.size() <= places) digits = std::string(places + 1 - digits.size(), '0') + digits;
  const size_t whole = digits.size() - places;
  std::string text = negative && units != 0 ? "-" : "";
  text.append(digits, 0, whole);
  if (places > 0) text.append(".").append(digits, whole, places);
  return text;
}

}  // namespace

std::string IsoDate(const ExpenseRecord& r) {
  return Formatted("%04d-%02d-%02d", r.year, r.month, r.day);
}

std::string MonthDay(const ExpenseRecord& r) { return Formatted("%d/%02d", r.month, r.day); }

// Converted once: a listing names an item on every row.
const std::string& ItemName(int itemId) {
  static const std::array<std::pair<int, std::string>, kExpenseItemCount> names = [] {
    std::array<std::pair<int, std::string>, kExpenseItemCount> utf8;
    for (int i = 0; i < kExpenseItemCount; ++i) {
      utf8[i] = {g_expenseItems[i].id, Utf8(g_expenseItems[i].name)};
    }
    return utf8;
  }();
  static const std::string none;
  for (const auto& [id, name] : names) {
    if (id == itemId) return name;
  }
  return none;
}

std::string ShowLine(const ExpenseRecord& r) {
  return IsoDate(r) + "\t" + std::to_string(r.itemId) + "\t" + ItemName(r.itemId) + "\t" +
         Fixed(r.fuel, 2, 2) + "\t" + Fixed(r.cost, 2, 2) + "\t" + Fixed(r.distance, 3, 3) + "\n";
}

std::string Fixed(std::int64_t value, int scaleDigits, int decimals) {
  const std::uint64_t units = RoundedUnits(Magnitude(value), PowerOfTen(scaleDigits), decimals);
  return WithPoint(value < 0, units, decimals);
}

std::string Ratio(std::int64_t numerator, std::int64_t multiplier, std::int64_t denominator,
                  int decimals) {
  if (denominator == 0) return "-";
  const Wide product = static_cast<Wide>(Magnitude(numerator)) * Magnitude(multiplier);
  const std::uint64_t units = RoundedUnits(product, Magnitude(denominator), decimals);
  const bool negative = ((numerator < 0) != (multiplier < 0)) != (denominator < 0);
  return WithPoint(negative, units, decimals);
}

}  // namespace ledger_tool
