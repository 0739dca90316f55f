// The monthly list as a driver uses it: the real program run headless from
// the calendar's "월별보기", with the data file compared byte for byte with
// one built here after every flow.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/ledger/frozen_dir.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/program_run.h"
#include "tests/support/screen_pixels.h"

namespace calendar_test {
namespace {

using testing_support::Outcome;
using testing_support::ProgramRun;
using namespace screen_pixels;

using ledger_test::Record;

std::string Tap(int x, int y) {
  return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

const std::string kOpenList = Tap(120, 222);
const std::string kDetails = Tap(43, 222), kDelete = Tap(120, 222), kClose = Tap(274, 222);
const std::string kPrevMonth = Tap(27, 21), kNextMonth = Tap(294, 21);
const std::string kMessageOk = Tap(26 + 77, 41 + 124), kMessageCancel = Tap(26 + 190, 41 + 124);
// Row r of the list's page, and the pause of its selection notice.
std::string Row(int r) { return Tap(100, 81 + 28 * r) + "wait 300\n"; }

class MonthList : public ::testing::Test {
 protected:
  std::filesystem::path Data() const { return screen.Path("Roadtally.dat"); }
  void Write(const std::vector<ExpenseRecord>& records) {
    ledger_test::WriteBytes(Data(), ledger_test::FileOf(records));
  }
  void ExpectFile(const std::vector<ExpenseRecord>& records, const char* what) {
    EXPECT_EQ(ledger_test::FileOf(records), ledger_test::ReadBytes(Data())) << what;
  }

  ProgramRun screen{ROADTALLY_PATH};
  const ExpenseRecord december = Record(2004, 12, 30, 0, 100);
  const ExpenseRecord a = Record(2005, 1, 7, 3, 1000), b = Record(2005, 1, 15, 0, 500, 1000, 12350),
                      c = Record(2005, 1, 20, 5, 99, 0, 7900);
  const ExpenseRecord february = Record(2005, 2, 1, 0, 100);
};

// Each flow starts on January 2005 with a, b and c, and December and
// February around them.
TEST_F(MonthList, DeleteFlows) {
  struct Case {
    const char* what;
    std::string script;
    std::vector<ExpenseRecord> left;
  };
  const Case cases[] = {
      {"the first row is highlighted at the start",
       kDelete + kMessageOk,
       {december, b, c, february}},
      {"cancel in the confirmation", kDelete + kMessageCancel, {december, a, b, c, february}},
      {"Escape in the confirmation", kDelete + "key ESCAPE\n", {december, a, b, c, february}},
      {"the last row, then the new last row",
       Row(2) + kDelete + kMessageOk + kDelete + kMessageOk,
       {december, a, february}},
      {"a tap below the last row clears the highlight",
       Row(3) + kDelete + "key F1\n" + kDetails + "key F1\n",
       {december, a, b, c, february}},
      {"paging back to December", kPrevMonth + kDelete + kMessageOk, {a, b, c, february}},
      {"paging on to February", kNextMonth + kDelete + kMessageOk, {december, a, b, c}},
      {"every row of the month",
       kDelete + kMessageOk + kDelete + kMessageOk + kDelete + kMessageOk + kDelete + "key F1\n",
       {december, february}},
  };
  for (const Case& flow : cases) {
    Write({december, a, b, c, february});
    const Outcome run = screen.Drive("2005-01-20", kOpenList + flow.script + kClose);
    ASSERT_EQ(0, run.exitStatus) << flow.what << run.err;
    ExpectFile(flow.left, flow.what);
  }
}

// After an edit the same row position stays highlighted: the delete that
// follows takes the edited record.
TEST_F(MonthList, AnEditKeepsItsPlaceAndItsHighlight) {
  Write({a, b, c});
  const std::string clearAndTypeSeven =
      Tap(200, 143) + "down 123 222\nwait 1000\nup 123 222\n" + Tap(101, 176) + Tap(44, 222);
  const Outcome edit = screen.Drive(
      "2005-01-20", kOpenList + Row(1) + kDetails + clearAndTypeSeven + Tap(43, 222) + kClose);
  ASSERT_EQ(0, edit.exitStatus) << edit.err;
  ExpectFile({a, Record(2005, 1, 15, 0, 700, 1000, 12350), c}, "after the edit");
  const Outcome again =
      screen.Drive("2005-01-20", kOpenList + Row(1) + kDetails + clearAndTypeSeven + Tap(43, 222) +
                                     kDelete + kMessageOk + kClose);
  ASSERT_EQ(0, again.exitStatus) << again.err;
  ExpectFile({a, c}, "edited, then deleted");
}

// "상세정보" then "수  정" with nothing touched stores each record as it
// was: metres the kilometres shown must carry, a negative distance, an item
// id the catalogue does not name. A row that is changed is rounded on its
// digits (1.005 litres are 101 hundredths) and the others stay.
TEST_F(MonthList, AnEditKeepsEveryValueTheDriverDidNotChange) {
  const std::vector<ExpenseRecord> records = {Record(2005, 1, 7, 0, 100, 0, 12345),
                                              Record(2005, 1, 8, 3, 0, 4287, -1000),
                                              Record(2005, 1, 9, 77, 1234567, 1, 1)};
  Write(records);
  const std::string kConfirm = Tap(43, 222);
  const Outcome unchanged =
      screen.Drive("2005-01-20", kOpenList + kDetails + kConfirm + Row(1) + kDetails + kConfirm +
                                     Row(2) + kDetails + kConfirm + kClose);
  ASSERT_EQ(0, unchanged.exitStatus) << unchanged.err;
  ExpectFile(records, "confirmed unchanged");
  // Fuel of the last record: 1, the point, 0, 0, 5 and OK on the keypad.
  const std::string typeFuel = Tap(200, 103) + Tap(43, 140) + Tap(202, 222) + Tap(275, 176) +
                               Tap(275, 176) + Tap(251 + 24, 128 + 12) + Tap(44, 222);
  const Outcome changed =
      screen.Drive("2005-01-20", kOpenList + Row(2) + kDetails + typeFuel + kConfirm + kClose);
  ASSERT_EQ(0, changed.exitStatus) << changed.err;
  ExpectFile({records[0], records[1], Record(2005, 1, 9, 77, 1234567, 101, 1)}, "fuel changed");
}

// A cost of 12,000,000 has no room for ".00" in its column: it shows as
// 12000000, every digit there, none cut at the column's left edge.
TEST_F(MonthList, ALargeCostShowsEveryDigit) {
  Write({a, Record(2005, 1, 9, 17, 1200000000)});
  const Outcome run = screen.Drive("2005-01-20", kOpenList + "shot list.png\n" + kClose);
  ASSERT_EQ(0, run.exitStatus) << run.err;
  const res::Image shot = screen.Shot("list.png");
  ASSERT_EQ(320, shot.width);
  // The second row's cost cell, white text on the row's blue: one run of
  // inked columns per digit.
  const RECT cell{14 + 184, 67 + 28, 14 + 270, 67 + 56};
  int runs = 0, left = cell.right;
  bool inked = false;
  for (int x = cell.left; x < cell.right; ++x) {
    const bool column =
        CountNear(shot, RECT{x, cell.top, x + 1, cell.bottom}, RGB(255, 255, 255), 90) > 0;
    if (column && !inked) ++runs, left = std::min(left, x);
    inked = column;
  }
  EXPECT_EQ(8, runs);
  EXPECT_GT(left, 14 + 189);
}

// The calendar follows the list's changes and keeps its own month.
TEST_F(MonthList, TheCalendarFollowsAndKeepsItsMonth) {
  Write({c});
  const Outcome run =
      screen.Drive("2005-01-20", "shot before.png\n" + kOpenList + kDelete + kMessageOk +
                                     kPrevMonth + kClose + "shot after.png\n");
  ASSERT_EQ(0, run.exitStatus) << run.err;
  ExpectFile({}, "the month's only record deleted");
  const res::Image before = screen.Shot("before.png"), after = screen.Shot("after.png");
  ASSERT_EQ(320, after.width);
  // 20 January 2005: column 4, row 3, with an other-expense dot at its top right.
  const RECT day20 = Cell(4, 3);
  const RECT dot{day20.right - 16, day20.top, day20.right, day20.top + 16};
  EXPECT_GT(CountNear(before, dot, RGB(233, 162, 126), 60), 10);
  EXPECT_EQ(0, CountNear(after, dot, RGB(233, 162, 126), 60));
  // Still January 2005: Friday 31 December is not there, Saturday 1 January is.
  EXPECT_EQ(0, InkIn(after, Cell(5, 0)));
  EXPECT_GT(InkIn(after, Cell(6, 0)), 0);
}

// The clock starts in 1601 at the earliest, so only the upper end can be
// reached from a start date.
TEST_F(MonthList, TheArrowsStopAtTheCalendarsLastYear) {
  const ExpenseRecord first = Record(1, 1, 1), last = Record(9999, 12, 31);
  Write({first, last});
  const Outcome run =
      screen.Drive("9999-12-15", kOpenList + kNextMonth + kDelete + kMessageOk + kClose);
  ASSERT_EQ(0, run.exitStatus) << run.err;
  ExpectFile({first}, "December 9999 stays listed");
}

// A delete that cannot be saved is put back: the file, the list and the
// calendar's marker all keep the record.
TEST_F(MonthList, ADeleteThatCannotBeSavedIsUndone) {
  const std::filesystem::path dir = screen.Path("frozen"), data = dir / "Roadtally.dat";
  std::filesystem::create_directory(dir);
  ledger_test::WriteBytes(data, ledger_test::FileOf({a, c}));
  ledger_test::FrozenDir frozen(dir);
  if (!frozen.frozen()) GTEST_SKIP() << "this file system cannot make a directory immutable";
  const std::string script = kOpenList + kDelete + kMessageOk + "shot message.png\n" + kMessageOk +
                             kClose + "shot after.png\n";
  const Outcome run = screen.Drive("2005-01-20", script, data.string());
  ASSERT_EQ(0, run.exitStatus) << run.err;
  EXPECT_EQ(ledger_test::FileOf({a, c}), ledger_test::ReadBytes(data));
  const res::Image after = screen.Shot("after.png");
  ASSERT_EQ(320, after.width);
  const RECT day7 = Cell(5, 1);
  EXPECT_GT(CountNear(after, RECT{day7.right - 16, day7.top, day7.right, day7.top + 16},
                      RGB(233, 162, 126), 60),
            10);
}

}  // namespace
}  // namespace calendar_test
