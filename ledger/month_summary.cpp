#include "ledger/month_summary.h"

#include <cstdlib>

bool StepMonth(int& year, int& month, int step) {
  if (step < 0 ? year <= 1 && month <= 1 : year >= 9999 && month >= 12) return false;
  const int index = year * 12 + month - 1 + step;
  year = index / 12;
  month = index % 12 + 1;
  return true;
}

MonthTotals SumMonth(const CExpenseLedger& ledger, int year, int month) {
  MonthTotals totals;
  ForEachRecordOfMonth(ledger, year, month, [&totals](const ExpenseRecord& r) {
    totals.cost += r.cost;
    totals.distance += std::llabs(static_cast<long long>(r.distance));
    ++totals.count;
  });
  return totals;
}

CString FormatGrouped(std::int64_t hundredths) {
  CString digits;
  const std::int64_t units = hundredths / 100;
  // The magnitude as unsigned, so the most negative value has one too.
  const unsigned long long magnitude = units < 0 ? 0ULL - static_cast<unsigned long long>(units)
                                                 : static_cast<unsigned long long>(units);
  digits.Format(L"%llu", magnitude);
  CString grouped = units < 0 ? CString(L"-") : CString();
  const int length = digits.GetLength();
  for (int i = 0; i < length; ++i) {
    grouped += digits[i];
    const int following = length - 1 - i;
    if (following > 0 && following % 3 == 0) grouped += L',';
  }
  return grouped;
}
