// When each maintenance item was last done, as of a given day: the answer
// to "when did I last change the oil, and how far have I driven since".
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "ledger/expense_ledger.h"

namespace ledger_tool {

struct LastDone {
  int itemId;
  ExpenseRecord record;  // the latest record of the item up to the day
  long long daysSince;   // from its day to the day asked about
  std::int64_t
      distanceSince;  // metres: absolute distances of the records of later days, up to the day
};

struct LastDoneReport {
  std::vector<LastDone> done;  // longest ago first, then by item id
  std::vector<int> never;      // maintenance items with no record up to the day, by id
};

// The day of a record with a month 1..12 and a day 1..31 (a day past the
// month's end runs on into the next); nothing for any other record.
std::optional<std::chrono::sys_days> RecordDay(const ExpenseRecord& r);

// Over the sorted ledger's records of asOf and before; later records, and
// records with no day, are left out. Refuelling is not a maintenance item.
LastDoneReport FindLastDone(const CExpenseLedger& ledger, std::chrono::sys_days asOf);

}  // namespace ledger_tool
