// last: each maintenance item's last day, the days and the distance
// since, as of a given day: the answer to "when did I last change the oil,
// and how far have I driven since".
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "ledger/expense_items.h"
#include "platform/host/civil_time.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

struct LastDone {
  int itemId;
  ExpenseRecord record;        // the latest record of the item up to the day
  long long daysSince;         // from its day to the day asked about
  std::int64_t distanceSince;  // metres: the absolute distances of later days, up to it
};

// By item id, for the maintenance items: nothing for one with no record up
// to the day.
using LatestByItem = std::vector<std::optional<LastDone>>;

using std::chrono::sys_days;

// The day of a record with a month 1..12 and a day 1..31 (a day past the
// month's end runs on into the next); nothing for any other record.
std::optional<sys_days> RecordDay(const ExpenseRecord& r) {
  using namespace std::chrono;
  if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > 31) return std::nullopt;
  const year_month_day first{year{r.year}, month{static_cast<unsigned>(r.month)}, day{1}};
  return sys_days{first} + days{r.day - 1};
}

// Over the sorted ledger's records of asOf and before; later records, and
// records with no day, are left out. Refuelling is not a maintenance item.
// Walks the records from the latest back, so that the first record met of
// an item is its last, and the distance of the days after it is known.
LatestByItem FindLastDone(const CExpenseLedger& ledger, sys_days asOf) {
  LatestByItem latest(kExpenseItemCount);
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
  return latest;
}

// The items done, longest ago first, then by item id; then those never
// done, by id.
std::string Report(const LatestByItem& latest) {
  std::vector<LastDone> done;
  std::string never;
  for (int id = kRefuellingItemId + 1; id < kExpenseItemCount; ++id) {
    if (latest[id]) {
      done.push_back(*latest[id]);
    } else {
      never += std::to_string(id) + "\t" + ItemName(id) + "\n";
    }
  }
  std::sort(done.begin(), done.end(), [](const LastDone& a, const LastDone& b) {
    return a.daysSince != b.daysSince ? a.daysSince > b.daysSince : a.itemId < b.itemId;
  });
  std::string out = "item_id\titem\tlast_done\tdays_since\tkm_since\n";
  for (const LastDone& item : done) {
    out += std::to_string(item.itemId) + "\t" + ItemName(item.itemId) + "\t" +
           IsoDate(item.record) + "\t" + std::to_string(item.daysSince) + "\t" +
           Fixed(item.distanceSince, 3, 1) + "\n";
  }
  return never.empty() ? out : out + "\nnever done:\n" + never;
}

}  // namespace

int RunLast(const Arguments& given) {
  Arguments args = given;
  const std::optional<std::string> on = TakeOption(args, "--on");
  if (const int misuse = CheckArity("last", args, {"FILE"})) return misuse;
  if (on && on->empty()) return Misuse("last", "--on needs a date, YYYY-MM-DD");
  std::chrono::sys_days asOf = host::RealLocalDate();
  if (on) {
    Date date{};
    if (!ReadDate(*on, date))
      return Fail("bad date '" + *on + "' (YYYY-MM-DD, a real day of years 1..9999)");
    using namespace std::chrono;
    asOf = sys_days{year{date.year} / date.month / date.day};
  }
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  return Say(Report(FindLastDone(ledger, asOf)));
}

}  // namespace ledger_tool
