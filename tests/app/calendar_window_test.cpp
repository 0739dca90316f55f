// The calendar as a driver sees it: the real program run headless on
// scripts, its screenshots read back pixel by pixel.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

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

constexpr COLORREF kFrame = RGB(241, 154, 66);
constexpr RECT kGrid{24, 65, 297, 203};

class CalendarWindow : public ::testing::Test {
 protected:
  Outcome Drive(const std::string& today, const std::string& script) {
    return screen.Drive(today, script);
  }

  bool Framed(const res::Image& image, int column, int row) {
    const RECT cell = Cell(column, row);
    return At(image, cell.left, cell.top) == kFrame &&
           At(image, cell.left + 1, cell.top + 1) == kFrame &&
           At(image, cell.right - 2, cell.bottom - 2) == kFrame;
  }

  ProgramRun screen{ROADTALLY_PATH};
};

TEST_F(CalendarWindow, TodayIsFramedAndTheMonthLaidOutSundayFirst) {
  screen.WriteRecords({});
  const Outcome run = Drive("2005-03-15", "shot a.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const res::Image shot = screen.Shot("a.png");
  ASSERT_EQ(shot.width, 320);
  // 1 March 2005 is a Tuesday: column 2 of row 0; 15 March lies in column 2, row 2.
  EXPECT_EQ(InkIn(shot, Cell(1, 0)), 0);
  EXPECT_GT(InkIn(shot, Cell(2, 0)), 0);
  EXPECT_TRUE(Framed(shot, 2, 2));
  EXPECT_EQ(CountNear(shot, kGrid, kFrame, 0), CountNear(shot, Cell(2, 2), kFrame, 0));
}

TEST_F(CalendarWindow, ArrowButtonsStepAcrossTheYear) {
  screen.WriteRecords({});
  const Outcome run =
      Drive("2005-01-15", "tap 27 21\nshot december.png\ntap 294 21\nshot january.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  // December 2004 begins on a Wednesday, January 2005 on a Saturday.
  const res::Image december = screen.Shot("december.png"), january = screen.Shot("january.png");
  EXPECT_EQ(InkIn(december, Cell(2, 0)), 0);
  EXPECT_GT(InkIn(december, Cell(3, 0)), 0);
  EXPECT_EQ(InkIn(january, Cell(5, 0)), 0);
  EXPECT_GT(InkIn(january, Cell(6, 0)), 0);
  // The selected day survives the steps: 15 January is framed again.
  EXPECT_TRUE(Framed(january, 6, 2));
}

TEST_F(CalendarWindow, TapsChooseDaysOnlyInsideTheGrid) {
  screen.WriteRecords({});
  // February 2009 begins on a Sunday, so (24, 65) is day 1.
  const Outcome run = Drive("2009-02-18",
                            "shot before.png\ntap 296 100\ntap 100 202\nshot outside.png\n"
                            "tap 24 65\nshot first.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const res::Image before = screen.Shot("before.png"), outside = screen.Shot("outside.png"),
                   first = screen.Shot("first.png");
  EXPECT_EQ(before.pixels, outside.pixels);
  EXPECT_TRUE(Framed(first, 0, 0));
  EXPECT_FALSE(Framed(first, 3, 2));
}

TEST_F(CalendarWindow, ArrowKeysWrapWithinTheRowOrColumn) {
  screen.WriteRecords({});
  Outcome run = Drive("2005-01-01", "key RIGHT\nshot right.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(Framed(screen.Shot("right.png"), 6, 0));  // day 1 is alone in row 0
  // From 31 January (column 1, row 5) down through the empty row 6 and the
  // empty top of column 1 to day 3.
  run = Drive("2005-01-31", "key DOWN\nshot down.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(Framed(screen.Shot("down.png"), 1, 1));
}

TEST_F(CalendarWindow, NoCellIsFramedWhenTheMonthLacksTheDay) {
  screen.WriteRecords({});
  const Outcome run = Drive("2005-01-31", "tap 294 21\ntap 294 21\ntap 294 21\nshot april.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(CountNear(screen.Shot("april.png"), kGrid, kFrame, 0), 0);
}

TEST_F(CalendarWindow, SundayWithBothKindsOfRecordShowsBothMarkers) {
  // 2 January 2005, a Sunday: column 0, row 1.
  screen.WriteRecords(
      {Record(2005, 1, 2, 0, 5000), Record(2005, 1, 2, 5, 3000), Record(2005, 2, 2, 5, 100)});
  const Outcome run = Drive("2005-01-20", "shot markers.png\n");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const res::Image shot = screen.Shot("markers.png");
  const RECT cell = Cell(0, 1);
  EXPECT_GT(CountNear(shot, {cell.left + 2, cell.top + 2, cell.left + 14, cell.top + 16},
                      RGB(51, 213, 43), 0),
            10);
  EXPECT_GT(CountNear(shot, {cell.right - 14, cell.top + 2, cell.right - 2, cell.top + 16},
                      RGB(233, 162, 126), 0),
            10);
  EXPECT_GT(CountNear(shot, cell, RGB(255, 0, 0), 60), 5);  // the red number
  // A day with no record of January has no marker.
  EXPECT_EQ(CountNear(shot, Cell(1, 1), RGB(51, 213, 43), 0), 0);
  EXPECT_EQ(CountNear(shot, Cell(1, 1), RGB(233, 162, 126), 0), 0);
}

TEST_F(CalendarWindow, TheCloseKeyActsOnItsRelease) {
  screen.WriteRecords({});
  const Outcome run =
      Drive("2005-01-20", "keydown DEVICE\nshot held.png\nkeyup DEVICE\nshot after.png\n");
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(screen.Shot("held.png").width, 320);  // still running after the key-down
  EXPECT_EQ(screen.Shot("after.png").width, 0);   // ended by the key-up
  EXPECT_NE(run.err.find("script:3:"), std::string::npos) << run.err;  // ended at the key-up
}

TEST_F(CalendarWindow, TheExitButtonEndsTheProgramAndWritesNothing) {
  screen.WriteRecords({Record(2005, 1, 2, 0, 5000)});
  std::ifstream before(screen.Path("Roadtally.dat"), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(before), {}};
  const Outcome run = Drive("2005-01-20", "tap 270 222\nshot never.png\n");
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(screen.Shot("never.png").width, 0);
  std::ifstream after(screen.Path("Roadtally.dat"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), bytes);
}

}  // namespace
}  // namespace calendar_test

namespace calendar_test {
namespace {

// The first program reads its script from a pipe kept open, so it runs
// until the test lets it go.
TEST(SecondStart, EndsAtOnceAndLeavesTheFirstWindowRunning) {
  ProgramRun screen{ROADTALLY_PATH};
  screen.WriteRecords({});
  const std::vector<std::string> command = {
      ROADTALLY_PATH, "--headless", "--today", "2005-01-20", "--data", screen.Path("Roadtally.dat"),
      "--script",     "-"};
  testing_support::ChildProcess first(command);
  first.WriteInput("shot " + screen.Path("first-up.png") + "\n");
  ASSERT_TRUE(AppearsWithin(screen.Path("first-up.png"), std::chrono::seconds(20)));

  testing_support::ChildProcess second(command);
  second.WriteInput("shot " + screen.Path("second.png") + "\n");
  const auto secondResult = second.Wait(std::chrono::seconds(20));
  EXPECT_TRUE(secondResult.exited);
  EXPECT_EQ(secondResult.exitStatus, 0) << secondResult.err;
  EXPECT_FALSE(std::ifstream(screen.Path("second.png")).good());  // it never showed a window

  first.WriteInput("shot " + screen.Path("first-after.png") + "\n");
  EXPECT_TRUE(AppearsWithin(screen.Path("first-after.png"), std::chrono::seconds(20)));
  const auto firstResult = first.Wait(std::chrono::seconds(20));
  EXPECT_EQ(firstResult.exitStatus, 0) << firstResult.err;
}

}  // namespace
}  // namespace calendar_test
