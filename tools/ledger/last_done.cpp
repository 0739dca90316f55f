#include "tools/ledger/last_done.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "ledger/expense_items.h"

namespace ledger_tool {

namespace {

using std::chrono::sys_days;

void OrderByAge(std::vector<LastDone>& done) {
  std::sort(done.begin(), done.end(), [](const LastDone& a, const LastDone& b) {
    return a.daysSince != b.daysSince ? a.daysSince > b.daysSince : a.itemId < b.itemId;
  });
}

}  // namespace

std::optional<sys_days> RecordDay(const ExpenseRecord& r) {
  using namespace std::chrono;
  if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > 31) return std::nullopt;
  const year_month_day first{year{r.year}, month{static_cast<unsigned>(r.month)}, day{1}};
  return sys_days{first} + days{r.day - 1};
}

// Walks the records from the latest back, so that the first record met of
// an item is its last, and the distance of the days after it is known.
LastDoneReport FindLastDone(const CExpenseLedger& ledger, sys_days asOf) {
  std::vector<std::optional<LastDone>> latest(kExpenseItemCount);
  std::int64_t laterDays = 0;   // metres of days after the current one
  std::int64_t currentDay = 0;  // metres of the current day so far
  std::optional<sys_days> current;
  for (int i = ledger.m_nCount - 1; i >= 0; --i) {
    const ExpenseRecord& r = ledger.m_pRecords[i];
    const std::optional<sys_days> day = RecordDay(r);
    if (!day || *day > asOf) continue;
    if (day != current) {
      laterDays += currentDay;
      currentDay = 0;
      current = day;
    }
    currentDay += std::llabs(static_cast<std::int64_t>(r.distance));
    const bool maintenance = r.itemId > kRefuellingItemId && r.itemId < kExpenseItemCount;
    if (maintenance && !latest[r.itemId])
      latest[r.itemId] = LastDone{r.itemId, r, (asOf - *day).count(), laterDays};
  }
  LastDoneReport report;
  for (int id = kRefuellingItemId + 1; id < kExpenseItemCount; ++id) {
    if (latest[id]) {
      report.done.push_back(*latest[id]);
    } else {
      report.never.push_back(id);
    }
  }
  OrderByAge(report.done);
  return report;
}

}  // namespace ledger_tool
