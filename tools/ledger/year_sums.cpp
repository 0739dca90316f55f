#include "tools/ledger/year_sums.h"

#include <cstdlib>

#include "ledger/expense_items.h"

namespace ledger_tool {

void PeriodSums::Add(const ExpenseRecord& r) {
  const std::int64_t metres = std::llabs(static_cast<std::int64_t>(r.distance));
  cost += r.cost;
  distance += metres;
  if (r.itemId == kRefuellingItemId) {
    refuellingCost += r.cost;
    fuel += r.fuel;
    fuelledDistance += metres;
  }
  ++records;
}

YearSums SumYear(const CExpenseLedger& ledger, int year) {
  YearSums sums;
  for (int i = 0; i < ledger.m_nCount; ++i) {
    const ExpenseRecord& r = ledger.m_pRecords[i];
    if (r.year != year || r.month < 1 || r.month > 12) continue;
    sums.months[r.month - 1].Add(r);
    sums.year.Add(r);
  }
  return sums;
}

}  // namespace ledger_tool
