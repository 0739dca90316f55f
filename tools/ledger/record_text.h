// How one record reads in the tool's listings, in UTF-8, and the exact
// decimal text of scaled integers and of ratios of 64-bit sums, rounded
// half away from zero, so a hand-computed figure and the tool's agree to
// the last digit.
#pragma once

#include <cstdint>
#include <string>

#include "ledger/expense_record.h"

namespace ledger_tool {

std::string IsoDate(const ExpenseRecord& r);   // "2005-03-08"
std::string MonthDay(const ExpenseRecord& r);  // "3/08"
// The catalogue's name of the item, empty for an id it does not hold.
const std::string& ItemName(int itemId);
// The record as show lists it: its fields tab-separated, ending the line.
std::string ShowLine(const ExpenseRecord& r);

// value / 10^scaleDigits with the given number of decimals (at most
// scaleDigits): Fixed(123456, 2, 2) is "1234.56", Fixed(-7950, 3, 1) "-8.0".
std::string Fixed(std::int64_t value, int scaleDigits, int decimals);

// numerator x multiplier / denominator with the given decimals; "-" when
// the denominator is 0.
std::string Ratio(std::int64_t numerator, std::int64_t multiplier, std::int64_t denominator,
                  int decimals);

}  // namespace ledger_tool
