// merge: OTHER's entries brought into FILE, three-way against BASE or a
// union without it, saved once under FILE's one-writer lock, all or
// nothing. OTHER and BASE are only read.
#include "tools/ledger/merge_command.h"

#include <filesystem>
#include <limits>
#include <span>
#include <system_error>

#include "ledger/ledger_format.h"
#include "tools/ledger/flags.h"
#include "tools/ledger/merge_records.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

std::span<const ExpenseRecord> RecordsOf(const CExpenseLedger& ledger) {
  return {ledger.m_pRecords, static_cast<std::size_t>(ledger.m_nCount)};
}

// A file of no bytes at all: what git hands a merge driver as the base
// when both branches added the file. It is a copy with no entries.
bool HasNoBytes(const std::string& hostPath) {
  std::error_code error;
  return std::filesystem::is_regular_file(hostPath, error) &&
         std::filesystem::file_size(hostPath, error) == 0 && !error;
}

// The ledger holds exactly the records, to be saved where it was loaded from.
bool Refill(CExpenseLedger& ledger, const std::vector<ExpenseRecord>& records) {
  ledger.RemoveAll();
  if (records.empty()) return true;
  if (!ledger.Reserve(static_cast<int>(records.size()))) return false;
  for (const ExpenseRecord& r : records) ledger.Append(r);
  return true;
}

std::string Entries(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " entry" : " entries");
}

std::string Counts(const MergedRecords& merged, const std::string& other, bool dryRun) {
  const std::string added = Entries(merged.added.size()) + " from " + other;
  const std::string removed = std::to_string(merged.removed.size());
  const std::string kept = std::to_string(merged.Kept());
  if (dryRun) return "would add " + added + ", remove " + removed + ", keep " + kept + "\n";
  return "added " + added + ", removed " + removed + ", kept " + kept + "\n";
}

// The entries a merge would add ("+ ") and remove ("- "), each as show
// lists it.
std::string Listed(const MergedRecords& merged) {
  std::string out;
  for (const ExpenseRecord& r : merged.added) out += "+ " + ShowLine(r);
  for (const ExpenseRecord& r : merged.removed) out += "- " + ShowLine(r);
  return out;
}

// What a ledger can hold with the spare slots a load gives it.
constexpr std::size_t kMostRecords = std::numeric_limits<int>::max() - kSpareAfterLoad;

int Say(const std::string& text) { return WriteOutput(text) ? 0 : Fail("cannot write the output"); }

}  // namespace

int RunMerge(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  const std::optional<std::string> basePath = TakeOption(args, "--base");
  if (args.size() != 2 || (basePath && basePath->empty())) return kUsage;
  const std::string& file = args[0];
  const std::string& other = args[1];

  std::optional<host::DataFileLock> lock;
  if (!dryRun && !(lock = LockForWriting(file))) return kFailed;
  // FILE is loaded last: the one device path the tool opens files under
  // then names FILE, where the ledger saves.
  CExpenseLedger theirs, base, ours;
  if (!LoadWhole(theirs, other, false)) return kFailed;
  if (basePath && !HasNoBytes(*basePath) && !LoadWhole(base, *basePath, false)) return kFailed;
  if (!LoadWhole(ours, file, false)) return kFailed;

  const MergedRecords merged = MergeRecords(RecordsOf(ours), RecordsOf(theirs), RecordsOf(base));
  if (dryRun) return Say(Counts(merged, other, true) + Listed(merged));
  if (merged.records.size() > kMostRecords)
    return Fail(file + ": the merged logbook would hold too many records; nothing changed");
  if (!merged.added.empty() || !merged.removed.empty()) {
    if (!Refill(ours, merged.records)) return Fail("out of memory; nothing changed");
    if (const int status = SaveOrFail(ours, file); status != 0) return status;
  }
  return Say(Counts(merged, other, false));
}

}  // namespace ledger_tool
