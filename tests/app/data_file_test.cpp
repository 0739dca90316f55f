// The program and the ledger tool on one data file: one writer at a time,
// and a file the program cannot use is kept, never written over.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>

#include "tests/app/calendar_screen.h"
#include "tests/host/child_process.h"
#include "tests/ledger/ledger_bytes.h"

namespace calendar_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ledger_test::Bytes;
using testing_support::ChildProcess;

// "지출입력", the cost row, keypad 7 and its OK, the entry's "확  인".
constexpr char kEnterCostSeven[] = "tap 20 214\ntap 200 143\ntap 101 176\ntap 44 222\ntap 43 222\n";

ChildProcess::Result AddWithTool(const std::string& data) {
  ChildProcess tool({LEDGER_TOOL, "add", data, "2005-01-20", "0", "0", "5", "0"});
  return tool.Wait(30s);
}

bool AppearsWithin(const std::string& path, std::chrono::seconds limit) {
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;
       std::this_thread::sleep_for(20ms)) {
    if (fs::exists(path)) return true;
  }
  return false;
}

TEST(DataFile, OneWriterWhileTheProgramRuns) {
  CalendarScreen screen;
  const std::string data = screen.Path("Roadtally.dat");
  ChildProcess program(
      {ROADTALLY_PATH, "--headless", "--today", "2005-01-20", "--data", data, "--script", "-"});
  program.WriteInput("shot " + screen.Path("running.png") + "\n");
  ASSERT_TRUE(AppearsWithin(screen.Path("running.png"), 30s));

  const ChildProcess::Result refused = AddWithTool(data);
  EXPECT_EQ(1, refused.exitStatus);
  EXPECT_NE(std::string::npos, refused.err.find("roadtally is running on this file"))
      << refused.err;
  EXPECT_FALSE(fs::exists(data));

  const Outcome second = screen.Start("2005-01-20", "tap 1 1\n");
  EXPECT_EQ(0, second.exitStatus);
  EXPECT_EQ(0u, second.err.find("roadtally: already running on ")) << second.err;
  EXPECT_EQ(std::string::npos, second.err.find("script")) << second.err;

  program.WriteInput("key DEVICE\n");
  EXPECT_EQ(0, program.Wait(30s).exitStatus);
  EXPECT_EQ(0, AddWithTool(data).exitStatus);
  EXPECT_EQ(44u, ledger_test::ReadBytes(data).size());
}

std::string KeptName(std::time_t at) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&at));
  return std::string("Roadtally.dat.damaged-") + stamp;
}

// The program says on screen, over the calendar, what the copy of a
// refused file will be called, and on standard error; the first save keeps
// the refused bytes beside the new file, under a name no earlier kept file
// has.
TEST(DataFile, RefusedFileIsKeptAsideBeforeTheFirstSave) {
  const std::optional<res::Image> notice = res::ReadPngFile(REJECTED_FILE_NOTICE);
  ASSERT_TRUE(notice.has_value());
  Bytes newer = ledger_test::Header(0);
  newer[16] = 2;
  const Bytes notOurs = {'N', 'O', 'T', ' ', 'O', 'U', 'R', 'S', 0,  1,  2,  3, 4,
                         5,   6,   7,   8,   9,   10,  11,  12,  13, 14, 15, 16};
  for (const Bytes& refused : {newer, notOurs}) {
    CalendarScreen screen;
    ledger_test::WriteBytes(screen.Path("Roadtally.dat"), refused);
    // Earlier kept files under every name the save could pick in the next minute.
    const std::time_t now = std::time(nullptr);
    for (std::time_t t = now - 2; t < now + 60; ++t)
      ledger_test::WriteBytes(screen.Path(KeptName(t)), {9});

    const Outcome run =
        screen.Drive("2005-01-20", std::string("shot notice.png\nkey F1\n") + kEnterCostSeven);
    ASSERT_EQ(0, run.exitStatus) << run.err;
    EXPECT_NE(std::string::npos, run.err.find("starting empty")) << run.err;
    EXPECT_EQ(notice->pixels, screen.Shot("notice.png").pixels);

    Bytes expected = ledger_test::Header(1);
    ledger_test::PutRecord(expected, 2005, 1, 20, 0, 700, 0, 0);
    EXPECT_EQ(expected, ledger_test::ReadBytes(screen.Path("Roadtally.dat")));
    int kept = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(screen.Path("Roadtally.dat")).parent_path())) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("Roadtally.dat.damaged-", 0) != 0) continue;
      const Bytes bytes = ledger_test::ReadBytes(entry.path());
      if (bytes == Bytes{9}) continue;
      EXPECT_EQ(refused, bytes) << name;
      ++kept;
    }
    EXPECT_EQ(1, kept);
    for (std::time_t t = now - 2; t < now + 60; ++t)
      EXPECT_EQ(Bytes{9}, ledger_test::ReadBytes(screen.Path(KeptName(t))));
  }
}

}  // namespace
}  // namespace calendar_test
