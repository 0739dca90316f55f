// import: the rows of a CSV as csv writes it, every one checked as add
// checks its arguments, then all added and saved once under the file's
// one-writer lock, or none.
#include <fstream>

#include "tools/ledger/commands.h"
#include "tools/ledger/flags.h"
#include "tools/ledger/import_rows.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

int RunImport(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  if (args.size() != 2) return kUsage;
  std::ifstream csv(args[1], std::ios::binary);
  if (!csv) return Fail(args[1] + ": cannot read the CSV file");
  std::optional<host::DataFileLock> lock;
  if (!dryRun && !(lock = LockForWriting(args[0]))) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  const int before = ledger.m_nCount;
  const std::variant<Imported, RowFault> rows = ImportRows(ledger, args[1]);
  if (const auto* fault = std::get_if<RowFault>(&rows)) {
    return Fail(args[1] + ": line " + std::to_string(fault->line) + ": " + fault->message +
                "; nothing imported");
  }
  const Imported* imported = &std::get<Imported>(rows);

  const std::string after = "; the file holds " + std::to_string(ledger.m_nCount) + "\n";
  if (dryRun) return WriteOutput("would import " + imported->Said() + after) ? 0 : OutputFailed();
  if (ledger.m_nCount == before) return WriteOutput("nothing to import\n") ? 0 : OutputFailed();
  // A ledger already in order is only looked at.
  ledger.SortByDate();
  if (const int status = SaveOrFail(ledger, args[0]); status != 0) return status;
  return WriteOutput("imported " + imported->Said() + after) ? 0 : OutputFailed();
}

}  // namespace ledger_tool
