// How one record reads in the tool's listings, in UTF-8.
#pragma once

#include <string>

#include "ledger/expense_record.h"

namespace ledger_tool {

std::string IsoDate(const ExpenseRecord& r);     // "2005-03-08"
std::string MonthDay(const ExpenseRecord& r);    // "3/08"
std::string Litres(const ExpenseRecord& r);      // fuel, "%.2f"
std::string Amount(const ExpenseRecord& r);      // cost, "%.2f"
std::string Kilometres(const ExpenseRecord& r);  // distance, "%.3f"
// The catalogue's name of the item, empty for an id it does not hold.
const std::string& ItemName(int itemId);
// The record as show lists it: its fields tab-separated, ending the line.
std::string ShowLine(const ExpenseRecord& r);

}  // namespace ledger_tool
