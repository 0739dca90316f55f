// A monkey test of the whole program: seeded random taps, drags, keys and
// waits through the headless host, on a real data file. After every save
// the file loads, is in date order, equals the ledger in memory and holds
// only real days; the program never crashes. A failing seed leaves its
// script and the data file it started from, and prints how to rerun them.
//
// ROADTALLY_MONKEY_EVENTS (input events per seed) and ROADTALLY_MONKEY_SEEDS
// (a first seed and a count, "7,3") ask for longer or other runs.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "ledger/expense_ledger.h"
#include "platform/framework/cwinapp.h"
#include "platform/win/files.h"
#include "platform/win/save_calls.h"
#include "platform/win/winuser.h"
#include "tests/durability/monkey_script.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/script_host.h"

namespace fs = std::filesystem;

namespace {

constexpr int kCommandsPerRun = 400;

long EnvNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text ? std::atol(text) : fallback;
}

bool RealDay(const ExpenseRecord& r) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (r.year < 1 || r.month < 1 || r.month > 12 || r.day < 1) return false;
  const bool leap = (r.year % 4 == 0 && r.year % 100 != 0) || r.year % 400 == 0;
  return r.day <= kDays[r.month - 1] + (r.month == 2 && leap ? 1 : 0);
}

// What must hold of the file just put in place, against the ledger in
// memory; empty when all does.
std::string ProblemWithSavedFile(const std::wstring& devicePath) {
  CExpenseLedger saved;
  saved.Load(devicePath.c_str());
  const CExpenseLedger& memory = *GetLedger();
  if (!saved.LoadProblem().empty()) return "the saved file does not load: " + saved.LoadProblem();
  if (saved.m_nCount != memory.m_nCount) return "the saved file holds another number of records";
  if (saved.m_nCount > 0 &&
      std::memcmp(saved.m_pRecords, memory.m_pRecords, sizeof(ExpenseRecord) * saved.m_nCount) != 0)
    return "the saved file differs from the ledger in memory";
  for (int i = 0; i < saved.m_nCount; ++i) {
    const ExpenseRecord& r = saved.m_pRecords[i];
    if (!RealDay(r)) return "a record's date is not a real day";
    const ExpenseRecord& before = saved.m_pRecords[i > 0 ? i - 1 : 0];
    if (std::tie(r.year, r.month, r.day) < std::tie(before.year, before.month, before.day))
      return "the saved file is not in date order";
  }
  return {};
}

// The real calls, with the check run as soon as a save has renamed its
// new file into place.
class CheckingCalls final : public SaveCalls {
 public:
  CheckingCalls(SaveCalls& real, std::string dataPath)
      : m_real(real), m_dataPath(std::move(dataPath)) {}

  int Lstat(const char* path, struct stat* info) override { return m_real.Lstat(path, info); }
  ssize_t Readlink(const char* path, char* buffer, std::size_t size) override {
    return m_real.Readlink(path, buffer, size);
  }
  int Stat(const char* path, struct stat* info) override { return m_real.Stat(path, info); }
  int Open(const char* path, int flags, mode_t mode) override {
    return m_real.Open(path, flags, mode);
  }
  int Fchown(int fd, uid_t owner, gid_t group) override { return m_real.Fchown(fd, owner, group); }
  int Fchmod(int fd, mode_t mode) override { return m_real.Fchmod(fd, mode); }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return m_real.Write(fd, data, size);
  }
  int Fsync(int fd) override { return m_real.Fsync(fd); }
  int Close(int fd) override { return m_real.Close(fd); }
  int Unlink(const char* path) override { return m_real.Unlink(path); }
  int Rename(const char* from, const char* to) override {
    const int result = m_real.Rename(from, to);
    if (result != 0 || m_dataPath != to) return result;
    ++saves;
    const std::string problem = ProblemWithSavedFile(ledger_test::DevicePath(m_dataPath));
    if (!problem.empty()) {
      std::fprintf(stderr, "after save %ld: %s\n", saves, problem.c_str());
      std::_Exit(3);
    }
    return result;
  }

  long saves = 0;

 private:
  SaveCalls& m_real;
  std::string m_dataPath;
};

// The program, once in this (forked) process, on the script and the data
// file; the counts go to report. Never returns.
[[noreturn]] void RunProgram(const std::string& data, const std::string& script,
                             const std::string& report) {
  SetProgramDataFile(L"\\Roadtally.dat", data);
  testing_support::ScriptHost& counting = testing_support::ScriptHost::Installed();
  counting.Play(script);
  CheckingCalls checking(CurrentSaveCalls(), data);
  InstallSaveCalls(&checking);
  const int status = AfxWinMain();
  std::ofstream(report) << counting.events << ' ' << checking.saves << '\n';
  std::_Exit(status == 0 ? 0 : 4);
}

struct Totals {
  long events = 0;
  long saves = 0;
  long runs = 0;
};

fs::path ScratchRoot() {
  const fs::path shm = "/dev/shm";  // saves sync; memory makes that cheap
  return fs::is_directory(shm) && ::access(shm.c_str(), W_OK) == 0 ? shm
                                                                   : fs::temp_directory_path();
}

// Runs the program on scripts of the seed, restarting it when a script
// closed it, until it took eventBudget input events. A failure keeps the
// directory with the script and the data file it began from.
void RunSeed(std::uint64_t seed, long eventBudget, Totals& totals) {
  const fs::path dir = ScratchRoot() / ("roadtally-monkey-" + std::to_string(::getpid()) + "-" +
                                        std::to_string(seed));
  fs::create_directories(dir);
  const std::string data = (dir / "Roadtally.dat").string();
  long events = 0;
  for (int run = 0; events < eventBudget; ++run) {
    const std::string script = durability::MonkeyScript(seed * 1000003 + run, kCommandsPerRun);
    std::ofstream(dir / "script.txt") << script;
    std::error_code ignored;
    fs::remove(dir / "before.dat", ignored);
    if (fs::exists(data)) fs::copy_file(data, dir / "before.dat");
    const std::string report = (dir / "report").string();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) RunProgram(data, script, report);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      FAIL() << "seed " << seed << ", run " << run << ": "
             << (WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status))
                                     : "exit status " + std::to_string(WEXITSTATUS(status)))
             << "\nreproduce: cp " << (dir / "before.dat") << ' ' << data
             << " (or start without it if absent); roadtally --headless --today 2005-01-20 --data "
             << data << " --script " << (dir / "script.txt") << "\nscript:\n"
             << script;
    }
    long runEvents = 0, runSaves = 0;
    std::ifstream(report) >> runEvents >> runSaves;
    events += runEvents;
    totals.events += runEvents;
    totals.saves += runSaves;
    ++totals.runs;
  }
  fs::remove_all(dir);
}

}  // namespace

TEST(Monkey, RandomInputNeverLosesOrBreaksTheLedger) {
  const long eventsPerSeed = EnvNumber("ROADTALLY_MONKEY_EVENTS", 4000);
  long first = 1, count = 3;
  if (const char* seeds = std::getenv("ROADTALLY_MONKEY_SEEDS"))
    std::sscanf(seeds, "%ld,%ld", &first, &count);
  Totals totals;
  for (long seed = first; seed < first + count; ++seed) {
    RunSeed(static_cast<std::uint64_t>(seed), eventsPerSeed, totals);
    if (HasFatalFailure()) return;
  }
  std::printf("monkey: %ld input events, %ld saves checked, %ld program runs\n", totals.events,
              totals.saves, totals.runs);
  // A monkey that never saved proved nothing about the file.
  EXPECT_GT(totals.saves, 0);
}
