// The rows of a CSV as csv writes it, each checked as add checks its
// arguments, appended to a ledger. A large file is read in two halves at
// once, both straight into the ledger's array, the second half's records
// moved down to follow the first's when both are read.
#pragma once

#include <string>
#include <variant>

#include "ledger/expense_ledger.h"

namespace ledger_tool {

// What the rows brought: how many, and the earliest and latest of them.
struct Imported {
  long long count = 0;
  ExpenseRecord first{};
  ExpenseRecord last{};
  int firstKey = 0;  // their DateKeys, kept as every row is held against them
  int lastKey = 0;
  bool inOrder = true;  // each row's date on or after the one before

  void Add(const ExpenseRecord& r);
  // The rows of a later part of the same file.
  void Join(const Imported& later);
  std::string Said() const;
};

// The first faulty line of the file and what is wrong with it.
struct RowFault {
  int line = 0;
  std::string message;
};

// Appends the record of every row of the CSV file at `path` to the ledger,
// unsorted; or gives the file's first fault, and the ledger, holding some
// of the rows, is not to be saved.
std::variant<Imported, RowFault> ImportRows(CExpenseLedger& ledger, const std::string& path);

}  // namespace ledger_tool
