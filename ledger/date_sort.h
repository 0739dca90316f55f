// Records put in date order (year, then month, then day, each as the
// signed number it is), records of one day kept in the order they came:
// a least-significant-byte-first radix sort over the six bytes of the
// date, skipping every byte all records share. Linear in the records, so
// an unsorted file of any size loads about as fast as a sorted one.
#pragma once

#include <cstddef>

#include "ledger/expense_record.h"

// False, with the records untouched, when no room for a second copy of
// them could be had.
bool SortRecordsByDate(ExpenseRecord* records, std::size_t count);
