// import: the rows of a CSV as csv writes it, every one checked as add
// checks its arguments, then all added and saved once under the file's
// one-writer lock, or none.
#include <cerrno>
#include <cstring>
#include <fstream>

#include "tools/ledger/commands.h"
#include "tools/ledger/flags.h"
#include "tools/ledger/import_rows.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/tool_io.h"
#include "tools/ledger/usage.h"

namespace ledger_tool {

namespace {

int Say(const std::string& text) { return WriteOutput(text) ? 0 : OutputFailed(); }

}  // namespace

int RunImport(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  if (const int misuse = CheckArity("import", args, {"FILE", "CSV"})) return misuse;
  std::ifstream csv(args[1], std::ios::binary);
  if (!csv) return Fail(args[1] + ": cannot read the CSV file: " + std::strerror(errno));
  std::optional<host::DataFileLock> lock;
  if (!dryRun && !(lock = LockForWriting(args[0]))) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  const auto rows = ReadImportRows(csv);
  if (const auto* fault = std::get_if<RowFault>(&rows)) {
    return Fail(args[1] + ": line " + std::to_string(fault->line) + ": " + fault->message +
                "; nothing imported");
  }
  const std::vector<ExpenseRecord>& records = std::get<std::vector<ExpenseRecord>>(rows);
  const std::string holds =
      std::to_string(ledger.m_nCount + static_cast<long long>(records.size()));
  if (dryRun)
    return Say("would import " + DescribeRows(records) + "; the file would hold " + holds + "\n");
  if (records.empty()) return Say("nothing to import\n");
  if (!ledger.AppendRecords(records)) return Fail("too many records to hold; nothing imported");
  ledger.SortByDate();
  if (const int status = SaveOrFail(ledger, args[0]); status != 0) return status;
  return Say("imported " + DescribeRows(records) + "; the file holds " + holds + "\n");
}

}  // namespace ledger_tool
