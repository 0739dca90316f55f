// A save killed at any moment leaves the data file whole: either the old
// ledger or the new one, byte for byte.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "ledger/expense_ledger.h"
#include "tests/ledger/ledger_bytes.h"

using namespace ledger_test;

namespace {

constexpr int kSmall = 20000;
constexpr int kLarge = 60000;

// A few hundred kills by default; ROADTALLY_KILL_ROUNDS asks for a long run.
int Rounds() {
  const char* asked = std::getenv("ROADTALLY_KILL_ROUNDS");
  return asked ? std::atoi(asked) : 200;
}

// Every record differs from its neighbours, so a file mixed from two
// saves could not pass for either; dates rise with i, so the file is
// already in ledger order.
Bytes LedgerFile(int count, int salt) {
  Bytes file = Header(count);
  for (int i = 0; i < count; ++i)
    PutRecord(file, 1900 + i / 336, 1 + (i / 28) % 12, 1 + i % 28, i % 22, i * 7 + salt, salt, -i);
  return file;
}

// Tells the parent through readyFd once both ledgers are built, so the
// kill lands among the saves rather than before the first.
[[noreturn]] void SaveForever(const ScratchDir& dir, const std::wstring& path, int readyFd) {
  CExpenseLedger small;
  CExpenseLedger large;
  small.Load(dir.Device("small.dat").c_str());
  large.Load(dir.Device("large.dat").c_str());
  const char ready = 1;
  if (::write(readyFd, &ready, 1) != 1) ::_exit(1);
  for (;;) {
    large.Save(path.c_str());
    small.Save(path.c_str());
  }
}

}  // namespace

TEST(SaveInterrupted, KilledSavesLeaveTheOldOrTheNewFile) {
  ScratchDir dir;
  const std::wstring path = dir.Device("Roadtally.dat");
  const Bytes small = LedgerFile(kSmall, 1);
  const Bytes large = LedgerFile(kLarge, 2);
  WriteBytes(dir.path() / "small.dat", small);
  WriteBytes(dir.path() / "large.dat", large);
  WriteBytes(dir.path() / "Roadtally.dat", small);
  int sawSmall = 0;
  int sawLarge = 0;
  const int rounds = Rounds();
  for (int round = 0; round < rounds; ++round) {
    int ready[2];
    ASSERT_EQ(0, ::pipe(ready));
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(dir, path, ready[1]);
    char byte = 0;
    ASSERT_EQ(1, ::read(ready[0], &byte, 1));
    ::close(ready[0]);
    ::close(ready[1]);
    // Delays sweep a save's length, shifted a little on every sweep.
    std::this_thread::sleep_for(
        std::chrono::microseconds(500 + 1300 * (round % 24) + (37 * round) % 1300));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const Bytes now = ReadBytes(dir.path() / "Roadtally.dat");
    ASSERT_TRUE(now == small || now == large)
        << "torn file of " << now.size() << " bytes, round " << round;
    (now == small ? sawSmall : sawLarge)++;
  }
  // The file must have changed hands at least once, or nothing was tested.
  EXPECT_GT(sawLarge, 0);
  std::printf("kills survived: %d (%d left the small file, %d the large)\n", rounds, sawSmall,
              sawLarge);
}
