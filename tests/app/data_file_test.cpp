// The program and the ledger tool on one data file: one writer at a time,
// and a file the program cannot use is kept, never written over.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "tests/ledger/ledger_bytes.h"
#include "tests/support/child_process.h"
#include "tests/support/program_run.h"
#include "tests/support/screen_pixels.h"

namespace calendar_test {
namespace {

using testing_support::AppearsWithin;
using testing_support::Outcome;
using testing_support::ProgramRun;
using namespace screen_pixels;
using ledger_test::Record;

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ledger_test::Bytes;
using testing_support::ChildProcess;

// "지출입력", the cost row, keypad 7 and its OK, the entry's "확  인".
constexpr char kEnterCostSeven[] = "tap 20 214\ntap 200 143\ntap 101 176\ntap 44 222\ntap 43 222\n";

ChildProcess::Result AddWithTool(const std::string& data, const std::string& runtime = {}) {
  ChildProcess tool({LEDGER_TOOL, "add", data, "2005-01-20", "0", "0", "5", "0"},
                    {"XDG_RUNTIME_DIR=" + runtime});
  return tool.Wait(30s);
}

// The lock is found from the file, not from the environment: the program
// started through a link to a file not yet made, in one runtime directory,
// keeps out the tool in another or none, by either path.
TEST(DataFile, OneWriterWhileTheProgramRunsWhateverTheEnvironmentOrPath) {
  ProgramRun screen{ROADTALLY_PATH};
  const std::string data = screen.Path("Roadtally.dat");
  const std::string link = screen.Path("link.dat");
  fs::create_symlink(data, link);
  fs::create_directory(screen.Path("run-a"));
  ChildProcess program(
      {ROADTALLY_PATH, "--headless", "--today", "2005-01-20", "--data", link, "--script", "-"},
      {"XDG_RUNTIME_DIR=" + screen.Path("run-a")});
  program.WriteInput("shot " + screen.Path("running.png") + "\n");
  ASSERT_TRUE(AppearsWithin(screen.Path("running.png"), 30s));

  fs::create_directory(screen.Path("run-b"));
  for (const auto& [path, runtime] :
       {std::pair{data, screen.Path("run-b")}, std::pair{link, std::string()},
        std::pair{screen.Path("./run-b/../Roadtally.dat"), std::string()}}) {
    const ChildProcess::Result refused = AddWithTool(path, runtime);
    EXPECT_EQ(1, refused.exitStatus) << path;
    EXPECT_NE(std::string::npos, refused.err.find("roadtally is running on this file"))
        << refused.err;
  }
  EXPECT_FALSE(fs::exists(data));

  const Outcome second = screen.Drive("2005-01-20", "tap 1 1\n");
  EXPECT_EQ(0, second.exitStatus);
  EXPECT_EQ(0u, second.err.find("roadtally: already running on ")) << second.err;
  EXPECT_EQ(std::string::npos, second.err.find("script")) << second.err;

  program.WriteInput("key DEVICE\n");
  EXPECT_EQ(0, program.Wait(30s).exitStatus);
  EXPECT_EQ(0, AddWithTool(data).exitStatus);
  EXPECT_EQ(44u, ledger_test::ReadBytes(data).size());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_FALSE(fs::exists(screen.Path(".Roadtally.dat.lock"))) << "each holder removes it";
}

std::string KeptName(std::time_t at) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&at));
  return std::string("Roadtally.dat.damaged-") + stamp;
}

// The box over the calendar as the committed shot shows it but for the
// copy's name, whose date and time are the load's: that band holds text.
void ExpectNotice(const res::Image& shot, const res::Image& expected) {
  constexpr RECT kNameLines{106, 106, 294, 146};  // the box's second and third lines
  ASSERT_EQ(expected.pixels.size(), shot.pixels.size());
  int differing = 0;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const bool name = x >= kNameLines.left && x < kNameLines.right && y >= kNameLines.top &&
                        y < kNameLines.bottom;
      differing += !name && At(shot, x, y) != At(expected, x, y);
    }
  }
  EXPECT_EQ(0, differing);
  EXPECT_GT(CountNear(shot, kNameLines, RGB(255, 255, 255), 150), 100);
}

// A file not taken whole (not ours, a newer version, a count below or above
// what it holds) keeps its bytes beside the new file, under a name no
// earlier kept file has, which the program named at start, on standard
// error and in a message box over the calendar; what it held and announced
// is what was loaded.
TEST(DataFile, FileNotTakenWholeIsKeptAsideBeforeTheFirstSave) {
  const std::optional<res::Image> notice = res::ReadPngFile(REJECTED_FILE_NOTICE);
  ASSERT_TRUE(notice.has_value());
  Bytes newer = ledger_test::Header(0);
  newer[16] = 2;
  const Bytes notOurs = {'N', 'O', 'T', ' ', 'O', 'U', 'R', 'S', 0,  1,  2,  3, 4,
                         5,   6,   7,   8,   9,   10,  11,  12,  13, 14, 15, 16};
  Bytes moreThanAnnounced = ledger_test::Header(1);
  for (int day = 1; day <= 3; ++day)
    ledger_test::PutRecord(moreThanAnnounced, 2005, 1, day, 0, day, 0, 0);
  Bytes cutShort = ledger_test::Header(5);
  for (int day = 1; day <= 3; ++day) ledger_test::PutRecord(cutShort, 2005, 1, day, 0, day, 0, 0);
  cutShort.resize(cutShort.size() - 13);  // 2.35 records
  const struct {
    Bytes bytes;
    int loaded;
    const char* says;
  } cases[] = {{newer, 0, "starting empty"},
               {notOurs, 0, "starting empty"},
               {moreThanAnnounced, 1, "(announces 1 record, holds 3); loaded 1 record;"},
               {cutShort, 2, "cut short (announces 5 records, holds 2); loaded 2 records;"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    ProgramRun screen{ROADTALLY_PATH};
    ledger_test::WriteBytes(screen.Path("Roadtally.dat"), c.bytes);
    // Earlier kept files under every name the save could pick in the next minute.
    const std::time_t now = std::time(nullptr);
    for (std::time_t t = now - 2; t < now + 60; ++t)
      ledger_test::WriteBytes(screen.Path(KeptName(t)), {9});

    const Outcome run =
        screen.Drive("2005-01-20", std::string("shot notice.png\nkey F1\n") + kEnterCostSeven);
    ASSERT_EQ(0, run.exitStatus) << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.says)) << run.err;
    ExpectNotice(screen.Shot("notice.png"), *notice);

    Bytes expected = ledger_test::Header(c.loaded + 1);
    for (int day = 1; day <= c.loaded; ++day)
      ledger_test::PutRecord(expected, 2005, 1, day, 0, day, 0, 0);
    ledger_test::PutRecord(expected, 2005, 1, 20, 0, 700, 0, 0);
    EXPECT_EQ(expected, ledger_test::ReadBytes(screen.Path("Roadtally.dat")));
    int kept = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(screen.Path("Roadtally.dat")).parent_path())) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("Roadtally.dat.damaged-", 0) != 0) continue;
      const Bytes bytes = ledger_test::ReadBytes(entry.path());
      if (bytes == Bytes{9}) continue;
      EXPECT_EQ(c.bytes, bytes) << name;
      EXPECT_NE(std::string::npos, run.err.find("kept as " + entry.path().string() + "\n"))
          << run.err;
      ++kept;
    }
    EXPECT_EQ(1, kept);
    for (std::time_t t = now - 2; t < now + 60; ++t)
      EXPECT_EQ(Bytes{9}, ledger_test::ReadBytes(screen.Path(KeptName(t))));
  }
}

// Only a regular file is a data file: anything else named as one is
// refused before it is opened or moved, and stays as it was.
TEST(DataFile, SpecialFilesAreRefusedAtStartAndLeftAlone) {
  ProgramRun screen{ROADTALLY_PATH};
  fs::create_directory(screen.Path("Documents"));
  ASSERT_EQ(0, ::mkfifo(screen.Path("fifo").c_str(), 0600));
  fs::create_symlink(screen.Path("Documents"), screen.Path("link"));
  for (const char* name : {"Documents", "fifo", "link"}) {
    const Outcome run = screen.Drive("2005-01-20", kEnterCostSeven, screen.Path(name));
    EXPECT_EQ(1, run.exitStatus) << name;
    EXPECT_EQ(0u, run.err.find("roadtally: " + screen.Path(name) + ": ")) << run.err;
    EXPECT_EQ(run.err.size() - 1, run.err.find('\n')) << "one line: " << run.err;
  }
  EXPECT_TRUE(fs::is_directory(screen.Path("Documents")));
  EXPECT_TRUE(fs::is_fifo(screen.Path("fifo")));
  EXPECT_TRUE(fs::is_symlink(screen.Path("link")));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(screen.Path("."))) ++entries;
  EXPECT_EQ(4, entries) << "Documents, fifo, link and the script; nothing renamed or added";
}

// A logbook its owner made read-only is left as it is: the entry is kept
// on screen, and the reason is said.
TEST(DataFile, ReadOnlyLogbookStaysUnwritten) {
  ProgramRun screen{ROADTALLY_PATH};
  screen.WriteRecords({Record(2005, 1, 3, 0, 100)});
  const std::string data = screen.Path("Roadtally.dat");
  const Bytes before = ledger_test::ReadBytes(data);
  fs::permissions(data, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const Outcome run = screen.Drive("2005-01-20", kEnterCostSeven);
  EXPECT_EQ(0, run.exitStatus);
  EXPECT_NE(std::string::npos, run.err.find("cannot save " + data + ": Permission denied"))
      << run.err;
  EXPECT_EQ(before, ledger_test::ReadBytes(data));
  EXPECT_EQ(fs::perms(0444), fs::status(data).permissions());
  const ChildProcess::Result tool = AddWithTool(data);
  EXPECT_EQ(1, tool.exitStatus);
  EXPECT_NE(std::string::npos, tool.err.find("Permission denied")) << tool.err;
  EXPECT_EQ(before, ledger_test::ReadBytes(data));
}

}  // namespace
}  // namespace calendar_test
