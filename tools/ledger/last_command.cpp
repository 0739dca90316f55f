// last: each maintenance item's last day, the days and the distance since.
#include "ledger/expense_items.h"
#include "platform/host/civil_time.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/decimal_text.h"
#include "tools/ledger/flags.h"
#include "tools/ledger/last_done.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"
#include "tools/ledger/usage.h"

namespace ledger_tool {

namespace {

std::string Report(const LastDoneReport& report) {
  std::string out = "item_id\titem\tlast_done\tdays_since\tkm_since\n";
  for (const LastDone& item : report.done) {
    out += std::to_string(item.itemId) + "\t" + ItemName(item.itemId) + "\t" +
           IsoDate(item.record) + "\t" + std::to_string(item.daysSince) + "\t" +
           Fixed(item.distanceSince, 3, 1) + "\n";
  }
  if (report.never.empty()) return out;
  out += "\nnever done:\n";
  for (int id : report.never) out += std::to_string(id) + "\t" + ItemName(id) + "\n";
  return out;
}

}  // namespace

int RunLast(const Arguments& given) {
  Arguments args = given;
  const std::optional<std::string> on = TakeOption(args, "--on");
  if (const int misuse = CheckArity("last", args, {"FILE"})) return misuse;
  if (on && on->empty()) return Misuse("last", "--on needs a date, YYYY-MM-DD");
  std::chrono::sys_days asOf = host::RealLocalDate();
  if (on) {
    const std::optional<Date> date = ParseDate(*on);
    if (!date) return Fail("bad date '" + *on + "' (YYYY-MM-DD, a real day of years 1..9999)");
    using namespace std::chrono;
    asOf = sys_days{year{date->year} / date->month / date->day};
  }
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  return WriteOutput(Report(FindLastDone(ledger, asOf))) ? 0 : OutputFailed();
}

}  // namespace ledger_tool
