// A month's records and totals as the monthly list shows them, the grouped
// amount text of the cost total, and the step between the months shown.
#pragma once

#include <cstdint>

#include "ledger/expense_ledger.h"

// The records of one month: found by binary search, then read in order
// while they stay in that month. Needs a sorted ledger.
template <class Visit>
void ForEachRecordOfMonth(const CExpenseLedger& ledger, int year, int month, Visit visit) {
  int i = ledger.FindFirstOfMonth(year, month);
  if (i < 0) return;
  for (; i < ledger.m_nCount; ++i) {
    const ExpenseRecord& record = ledger.m_pRecords[i];
    if (record.year != year || record.month != month) return;
    visit(record);
  }
}

// One month (1 to 12) back (step -1) or on (+1) within the years 1 to 9999
// that the calendar and the list page through; false, unchanged, at either
// end.
bool StepMonth(int& year, int& month, int step);

struct MonthTotals {
  std::int64_t cost = 0;      // hundredths, summed as stored
  std::int64_t distance = 0;  // metres, absolute values summed
  int count = 0;              // records of the month
};

// Sums in 64 bits, so no month of 32-bit values can overflow (nor the
// absolute value of the most negative distance).
MonthTotals SumMonth(const CExpenseLedger& ledger, int year, int month);

// An amount in hundredths as whole units (the fraction dropped toward
// zero) with a comma between each group of three digits: 123456789 gives
// "1,234,567"; a minus sign stays in front of the digits, never before a
// comma.
CString FormatGrouped(std::int64_t hundredths);
