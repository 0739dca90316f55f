// The records of one month: found by binary search, then read in order
// while they stay in that month. Needs a sorted ledger.
#pragma once

#include "ledger/expense_ledger.h"

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
