#include "tools/ledger/year_sums.h"

#include <algorithm>
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

std::optional<int> LatestYear(const CExpenseLedger& ledger) {
  if (ledger.m_nCount == 0) return std::nullopt;
  const ExpenseRecord* begin = ledger.m_pRecords;
  const ExpenseRecord* end = begin + ledger.m_nCount;
  return std::max_element(
             begin, end,
             [](const ExpenseRecord& a, const ExpenseRecord& b) { return a.year < b.year; })
      ->year;
}

}  // namespace ledger_tool
