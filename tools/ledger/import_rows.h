// The rows of a CSV laid out as csv writes it, or as a spreadsheet saves
// that layout, each checked as add checks its arguments.
#pragma once

#include <istream>
#include <string>
#include <variant>
#include <vector>

#include "ledger/expense_record.h"

namespace ledger_tool {

// The first faulty line of the file and what is wrong with it.
struct RowFault {
  int line = 0;
  std::string message;
};

// Every row's record, in the file's order, or the file's first fault. A
// blank fuel, cost or distance cell is 0; a row of blank cells is skipped;
// an item name, when given, must be the id's.
std::variant<std::vector<ExpenseRecord>, RowFault> ReadImportRows(std::istream& csv);

// "3 records, 2005-01-02 to 2005-03-08": how many and their span.
std::string DescribeRows(const std::vector<ExpenseRecord>& records);

}  // namespace ledger_tool
