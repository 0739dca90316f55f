// merge: OTHER's entries brought into FILE, three-way against BASE or a
// union without it, saved once under FILE's one-writer lock, all or
// nothing. OTHER and BASE are only read.
#include "tools/ledger/commands.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <span>
#include <system_error>

#include "ledger/ledger_file.h"
#include "tools/ledger/merge_records.h"
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

// The merged records appended to a ledger as the merge decides them, with
// how many came in and went.
class IntoLedger final : public MergeOutput {
 public:
  explicit IntoLedger(CExpenseLedger& ledger) : ledger_(ledger) {}
  void Keep(std::span<const ExpenseRecord> kept) override {
    whole = ledger_.AppendRecords(kept) && whole;
  }
  void Bring(const ExpenseRecord& r) override {
    ++brought;
    whole = ledger_.Append(r) != 0 && whole;
  }
  void Drop(const ExpenseRecord&) override { ++dropped; }

  bool whole = true;  // every record found room
  std::size_t brought = 0;
  std::size_t dropped = 0;

 private:
  CExpenseLedger& ledger_;
};

// "added 3 entries from OTHER, removed 1, kept 412", or what would be.
std::string Counts(std::size_t added, std::size_t removed, std::size_t kept,
                   const std::string& other, bool dryRun) {
  const std::string from =
      std::to_string(added) + (added == 1 ? " entry" : " entries") + " from " + other;
  const std::string rest = std::to_string(removed);
  if (dryRun)
    return "would add " + from + ", remove " + rest + ", keep " + std::to_string(kept) + "\n";
  return "added " + from + ", removed " + rest + ", kept " + std::to_string(kept) + "\n";
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

}  // namespace

int RunMerge(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  const std::optional<std::string> basePath = TakeOption(args, "--base");
  if (basePath && basePath->empty()) return Misuse("merge", "--base needs the BASE file");
  if (const int misuse = CheckArity("merge", args, {"FILE", "OTHER"})) return misuse;
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

  if (dryRun) {
    const MergedRecords merged = MergeRecords(RecordsOf(ours), RecordsOf(theirs), RecordsOf(base));
    return Say(Counts(merged.added.size(), merged.removed.size(), merged.Kept(), other, true) +
               Listed(merged));
  }
  // The merged logbook is built in a ledger of its own, saved where FILE
  // was loaded from. It holds at most both copies' records.
  CExpenseLedger merged;
  const long long most = static_cast<long long>(ours.m_nCount) + theirs.m_nCount;
  if (!merged.Reserve(static_cast<int>(std::min<long long>(most, kMostRecords))))
    return Fail("out of memory; nothing changed");
  IntoLedger into(merged);
  MergeRecords(RecordsOf(ours), RecordsOf(theirs), RecordsOf(base), into);
  if (!into.whole || static_cast<std::size_t>(merged.m_nCount) > kMostRecords)
    return Fail(file + ": the merged logbook would not fit a ledger; nothing changed");
  if (into.brought != 0 || into.dropped != 0) {
    if (!merged.Save(ours.m_strPath)) return SaveFailed(merged, file);
  }
  const std::size_t kept = static_cast<std::size_t>(merged.m_nCount) - into.brought;
  return Say(Counts(into.brought, into.dropped, kept, other, false));
}

}  // namespace ledger_tool
