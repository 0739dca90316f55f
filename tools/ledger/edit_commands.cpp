// add and remove: one change to the file, saved the way the device saves,
// under the file's one-writer lock from before it is read until it is saved.
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

int RunAdd(const Arguments& args) {
  const int misuse =
      CheckArity("add", args, {"FILE", "YYYY-MM-DD", "ITEM_ID", "FUEL", "COST", "KM"});
  if (misuse) return misuse;
  const auto parsed = ParseRecord({args[1], args[2], args[3], args[4], args[5]});
  if (const auto* problem = std::get_if<RecordProblem>(&parsed)) return Fail(problem->message);

  const std::optional<host::DataFileLock> lock = LockForWriting(args[0]);
  if (!lock) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  return ledger.AddAndSave(std::get<ExpenseRecord>(parsed)) ? 0 : SaveFailed(ledger, args[0]);
}

int RunRemove(const Arguments& args) {
  if (const int misuse = CheckArity("remove", args, {"FILE", "INDEX"})) return misuse;
  const std::optional<host::DataFileLock> lock = LockForWriting(args[0]);
  if (!lock) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  long long index = 0;
  if (!ReadInteger(args[1], 0, ledger.m_nCount - 1LL, index)) {
    return Fail("bad index '" + args[1] + "' (the file has " + std::to_string(ledger.m_nCount) +
                " records)");
  }
  return ledger.RemoveAndSave(static_cast<int>(index)) ? 0 : SaveFailed(ledger, args[0]);
}

}  // namespace ledger_tool
