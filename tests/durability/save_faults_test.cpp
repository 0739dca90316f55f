// The ledger's save against a simulated disk: the power cut at every call
// a save makes, and every call made to fail. Whatever happens the data
// file is the old one or the new one, whole; a save that says it failed
// left the old file and no temporary beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ledger/expense_ledger.h"
#include "platform/core/context.h"
#include "tests/durability/simulated_disk.h"
#include "tests/ledger/ledger_bytes.h"

using durability::Bytes;
using durability::CutKeeps;
using durability::SimulatedDisk;

namespace {

constexpr char kTarget[] = "/car/Roadtally.dat";
constexpr wchar_t kDeviceTarget[] = L"\\car\\Roadtally.dat";
// Another file in the directory, so the directory exists without the target.
constexpr char kNeighbour[] = "/car/notes.txt";

const std::vector<ExpenseRecord> kOld = {ledger_test::Record(2005, 1, 3, 0, 5000, 4000, 300000),
                                         ledger_test::Record(2005, 1, 9, 4, 72000)};

// The old ledger with one entry more: what the save writes.
std::vector<ExpenseRecord> NewRecords() {
  std::vector<ExpenseRecord> records = kOld;
  records.push_back(ledger_test::Record(2005, 2, 1, 0, 61000, 4550, 412300));
  return records;
}

struct Case {
  const char* name;
  bool oldFileThere;  // false: the first save, nothing to keep
  mode_t mode;
};

constexpr Case kCases[] = {{"an existing file", true, 0644},
                           {"a private file", true, 0600},
                           {"the first save", false, 0644}};

// One save of the new ledger over the case's old file, with the disk
// installed for it and removed after.
class SaveRun {
 public:
  explicit SaveRun(const Case& c) {
    m_disk.PutFile(kNeighbour, {'n'});
    if (c.oldFileThere) m_disk.PutFile(kTarget, ledger_test::FileOf(kOld), c.mode);
    m_disk.LimitWrites(32);        // a header and three records take several writes
    m_ledger.Load(kDeviceTarget);  // not on the real disk: an empty ledger that keeps the path
    for (const ExpenseRecord& record : NewRecords()) m_ledger.Append(record);
    InstallSaveCalls(&m_disk);
  }
  ~SaveRun() { InstallSaveCalls(nullptr); }

  SimulatedDisk& disk() { return m_disk; }
  bool Save() { return m_ledger.Save(nullptr); }
  const std::string& Problem() const { return m_ledger.SaveProblem(); }

 private:
  SimulatedDisk m_disk;
  CExpenseLedger m_ledger;
};

std::optional<Bytes> OldFile(const Case& c) {
  return c.oldFileThere ? std::optional<Bytes>(ledger_test::FileOf(kOld)) : std::nullopt;
}

std::vector<std::string> NamesWithTarget() { return {kTarget, kNeighbour}; }  // in name order

// The calls of an undisturbed save, which the other runs interrupt one by one.
std::vector<std::string> CallsOfASave(const Case& c) {
  SaveRun run(c);
  EXPECT_TRUE(run.Save());
  return run.disk().Calls();
}

std::string Describe(const Case& c, int step, const std::vector<std::string>& calls) {
  return std::string(c.name) + ", step " + std::to_string(step) + " (" +
         (step < static_cast<int>(calls.size()) ? calls[static_cast<size_t>(step)]
                                                : "after the save") +
         ")";
}

}  // namespace

TEST(SaveFaults, AnUndisturbedSaveIsDurableAndLeavesOnlyTheFile) {
  for (const Case& c : kCases) {
    SaveRun run(c);
    ASSERT_TRUE(run.Save()) << c.name;
    run.disk().Reboot(CutKeeps::kSyncedOnly);
    EXPECT_EQ(ledger_test::FileOf(NewRecords()), run.disk().File(kTarget)) << c.name;
    EXPECT_EQ(NamesWithTarget(), run.disk().Names()) << c.name;
  }
}

TEST(SaveFaults, PowerCutAtEveryCallLeavesTheOldOrTheNewFileWhole) {
  int cuts = 0;
  for (const Case& c : kCases) {
    const std::vector<std::string> calls = CallsOfASave(c);
    ASSERT_GE(calls.size(), 8u) << c.name;
    for (CutKeeps keeps : {CutKeeps::kSyncedOnly, CutKeeps::kNamesToo}) {
      for (int step = 0; step < static_cast<int>(calls.size()); ++step, ++cuts) {
        SaveRun run(c);
        run.disk().CutPowerAt(step);
        run.Save();
        run.disk().Reboot(keeps);
        const std::optional<Bytes> now = run.disk().File(kTarget);
        EXPECT_TRUE(now == OldFile(c) || now == ledger_test::FileOf(NewRecords()))
            << Describe(c, step, calls) << ": " << (now ? now->size() : 0) << " bytes";
      }
    }
  }
  std::printf("power cuts tried: %d\n", cuts);
}

// The calls a save can do without: owner and group are kept only where
// allowed, and once the new file has its name, a directory that cannot be
// synced does not undo it (the save has happened; only its survival of a
// power cut is less certain).
bool SaveGoesOnWithout(const std::vector<std::string>& calls, int step) {
  const auto rename = std::find(calls.begin(), calls.end(), "rename");
  return calls[static_cast<size_t>(step)] == "fchown" || step > rename - calls.begin();
}

TEST(SaveFaults, AFailedCallFailsTheSaveAndLeavesTheOldFileAlone) {
  int failures = 0;
  for (const Case& c : kCases) {
    const std::vector<std::string> calls = CallsOfASave(c);
    for (int error : {ENOSPC, EIO, EXDEV, EACCES, EPERM}) {
      for (int step = 0; step < static_cast<int>(calls.size()); ++step, ++failures) {
        SaveRun run(c);
        run.disk().FailAt(step, error);
        const bool saved = run.Save();
        const std::string where =
            Describe(c, step, calls) + " failing with " + std::strerror(error);
        EXPECT_EQ(SaveGoesOnWithout(calls, step), saved) << where;
        EXPECT_EQ(saved ? "" : std::strerror(error), run.Problem()) << where << ": the reason";
        EXPECT_EQ(saved ? ledger_test::FileOf(NewRecords()) : OldFile(c), run.disk().File(kTarget))
            << where;
        const std::vector<std::string> names = run.disk().Names();
        EXPECT_EQ(
            saved || c.oldFileThere ? NamesWithTarget() : std::vector<std::string>{kNeighbour},
            names)
            << where << ": a temporary was left";
      }
    }
  }
  std::printf("I/O errors tried: %d\n", failures);
}
