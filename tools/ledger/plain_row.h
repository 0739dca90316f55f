// A row as csv writes it ("2005-03-08,0,주유-충전,40.50,55000.00,412.300"),
// read in one pass where nearly every row of an import is one: the date at
// its fixed places, the item against the catalogue, each value by a reader
// made for its field.
#pragma once

#include <cstddef>
#include <string_view>

#include "ledger/expense_record.h"

namespace ledger_tool {

// What ReadPlainRow gives for a row that goes on past the bytes offered.
inline constexpr size_t kShort = static_cast<size_t>(-1);

// The fewest bytes ReadPlainRow reads a row from; with fewer it gives
// kShort, or at the file's end 0.
inline constexpr size_t kPlainRowLeast = 48;

// A row as csv writes it, read in one pass from `bytes` (the row and what
// the reader holds after it): the bytes up to its line end, `record` being
// what ParseRecord gives for its fields. 0 for any other row (a quoted
// field, a sign, an exponent, a value or a field count ParseRecord might
// refuse), which is then split and checked field by field; kShort when
// the row goes on past `bytes` and more may come.
size_t ReadPlainRow(std::string_view bytes, bool last, ExpenseRecord& record);

}  // namespace ledger_tool
