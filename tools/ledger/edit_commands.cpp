// add and remove: one change to the file, saved the way the device saves,
// under the file's one-writer lock from before it is read until it is saved.
#include "ledger/expense_items.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

bool IsCatalogued(long long id) { return GetItemName(static_cast<int>(id))[0] != L'\0'; }

int SaveOrFail(CExpenseLedger& ledger, const std::string& hostPath) {
  if (ledger.Save(nullptr)) return 0;
  return Fail(hostPath + ": cannot save; the file is unchanged");
}

}  // namespace

int RunAdd(const Arguments& args) {
  if (args.size() != 6) return kUsage;
  const std::optional<Date> date = ParseDate(args[1]);
  if (!date) return Fail("bad date '" + args[1] + "' (YYYY-MM-DD, a real day of years 1..9999)");
  const std::optional<long long> item = ParseInteger(args[2], 0, 0x7FFFFFFF);
  if (!item || !IsCatalogued(*item)) return Fail("unknown item id '" + args[2] + "' (0..21)");
  const std::optional<std::int32_t> fuel = ParseScaled(args[3], 100);
  const std::optional<std::int32_t> cost = ParseScaled(args[4], 100);
  const std::optional<std::int32_t> distance = ParseScaled(args[5], 1000);
  if (!fuel) return Fail("bad fuel '" + args[3] + "' (a decimal number that fits the record)");
  if (!cost) return Fail("bad cost '" + args[4] + "' (a decimal number that fits the record)");
  if (!distance) return Fail("bad distance '" + args[5] + "' (a decimal number that fits the record)");
  if (*cost == 0 && *distance == 0) return Fail("cost and distance are both 0; nothing to record");

  const std::optional<host::DataFileLock> lock = LockForWriting(args[0]);
  if (!lock) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  const ExpenseRecord record{static_cast<std::int16_t>(date->year), static_cast<std::int16_t>(date->month),
                             static_cast<std::int16_t>(date->day), static_cast<std::int16_t>(*item),
                             *cost, *fuel, *distance};
  if (ledger.Append(record) == 0) return Fail("out of memory");
  ledger.SortByDate();
  return SaveOrFail(ledger, args[0]);
}

int RunRemove(const Arguments& args) {
  if (args.size() != 2) return kUsage;
  const std::optional<host::DataFileLock> lock = LockForWriting(args[0]);
  if (!lock) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  const std::optional<long long> index = ParseInteger(args[1], 0, ledger.m_nCount - 1LL);
  if (!index) {
    return Fail("bad index '" + args[1] + "' (the file has " + std::to_string(ledger.m_nCount) + " records)");
  }
  ledger.RemoveAt(static_cast<int>(*index));
  return SaveOrFail(ledger, args[0]);
}

}  // namespace ledger_tool
