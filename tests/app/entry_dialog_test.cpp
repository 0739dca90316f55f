// Recording an expense as a driver does: the real program run headless from
// the calendar through the entry dialog, its drop-down and the keypad, with
// the data file compared byte for byte with one built here.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/ledger/frozen_dir.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/child_process.h"
#include "tests/support/program_run.h"
#include "tests/support/screen_pixels.h"

namespace calendar_test {
namespace {

using testing_support::Outcome;
using testing_support::ProgramRun;
using namespace screen_pixels;

using ledger_test::Bytes;

std::string Tap(int x, int y) {
  return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

// The calendar's "지출입력"; the entry dialog's rows and buttons.
const std::string kEntry = Tap(20, 214);
const std::string kItemRow = Tap(200, 64), kFuelRow = Tap(50, 103), kCostRow = Tap(200, 143),
                  kDistanceRow = Tap(200, 181);
const std::string kConfirm = Tap(43, 222), kCancel = Tap(274, 222);
// The message box's OK, on the popup centred over the screen.
const std::string kMessageOk = Tap(26 + 77, 41 + 124);

// Keypad keys: digits, '.' and the closing OK.
std::string Keypad(const std::string& keys) {
  std::string taps;
  for (char key : keys) {
    if (key == '.') {
      taps += Tap(202, 222);
    } else {
      const int index = key == '0' ? 9 : key - '1';
      taps += Tap(43 + 58 * (index % 5), 140 + 36 * (index / 5));
    }
  }
  return taps + Tap(44, 222);
}

class EntryDialog : public ::testing::Test {
 protected:
  void Write(const std::vector<ExpenseRecord>& records) {
    ledger_test::WriteBytes(Data(), ledger_test::FileOf(records));
  }
  Bytes Saved() const { return ledger_test::ReadBytes(Data()); }
  std::filesystem::path Data() const { return screen.Path("Roadtally.dat"); }
  Outcome Drive(const std::string& today, const std::string& script) {
    return screen.Drive(today, script);
  }
  // Light day cells show the calendar; the entry dialog is dark there.
  bool CalendarShown(const res::Image& shot) {
    return CountNear(shot, RECT{70, 100, 100, 110}, RGB(236, 240, 247), 30) > 200;
  }

  ProgramRun screen{ROADTALLY_PATH};
  const ExpenseRecord early = ledger_test::Record(2005, 1, 5, 3, 1000);
  const ExpenseRecord late = ledger_test::Record(2005, 1, 25, 0, 5000, 3000, 400000);
};

TEST_F(EntryDialog, ANewEntryIsStoredInDateOrderAndMarked) {
  Write({early, late});
  const Outcome run = Drive("2005-01-20", kEntry + kCostRow + Keypad("12.5") + kDistanceRow +
                                              Keypad("3") + kConfirm + "shot after.png\n");
  ASSERT_EQ(0, run.exitStatus) << run.err;
  EXPECT_EQ(ledger_test::FileOf({early, ledger_test::Record(2005, 1, 20, 0, 1250, 0, 3000), late}),
            Saved());
  const res::Image after = screen.Shot("after.png");
  ASSERT_EQ(320, after.width);
  // 20 January 2005 lies in column 4, row 3; its refuelling dot is green.
  const RECT day20 = Cell(4, 3);
  EXPECT_GT(CountNear(after, RECT{day20.left, day20.top, day20.left + 14, day20.top + 16},
                      RGB(51, 213, 43), 60),
            10);
}

TEST_F(EntryDialog, TheItemIsPickedFromTheDropDown) {
  Write({});
  // The list opens over row 0 at (108, 52) with rows of 28: the third row is item 2.
  const Outcome run = Drive("2005-01-20", kEntry + kItemRow + Tap(150, 122) + "wait 300\n" +
                                              kCostRow + Keypad("7") + kConfirm);
  ASSERT_EQ(0, run.exitStatus) << run.err;
  EXPECT_EQ(ledger_test::FileOf({ledger_test::Record(2005, 1, 20, 2, 700)}), Saved());
}

// The drop-down opens on the current item; a keypad left with its cancel
// key leaves the row as it was.
TEST_F(EntryDialog, TheListOpensOnTheItemAndACancelledKeypadChangesNothing) {
  Write({});
  const std::string cancelledNine = kCostRow + Tap(193 + 24, 176) + Tap(281, 222);
  const Outcome run =
      Drive("2005-01-20", kEntry + kItemRow + Tap(150, 122) + "wait 300\n" + kItemRow +
                              "shot list.png\n" + Tap(20, 130) + cancelledNine + kDistanceRow +
                              Keypad("5") + kConfirm);
  ASSERT_EQ(0, run.exitStatus) << run.err;
  EXPECT_EQ(ledger_test::FileOf({ledger_test::Record(2005, 1, 20, 2, 0, 0, 5000)}), Saved());
  const res::Image list = screen.Shot("list.png");
  ASSERT_EQ(320, list.width);
  // Rows of 28 from y = 52: the third row carries the selected face.
  const COLORREF selected = RGB(237, 194, 98);
  EXPECT_GT(CountNear(list, RECT{112, 112, 270, 132}, selected, 80), 1000);
  EXPECT_EQ(0, CountNear(list, RECT{112, 56, 270, 76}, selected, 80));
}

// Refused entries leave the dialog open over the message box's answer and
// the file as it was; the message shows two lines, or one for a value too large.
TEST_F(EntryDialog, RefusedEntriesWriteNothing) {
  struct Case {
    const char* what;
    std::string typing;
    bool tooLarge;
  };
  const Case cases[] = {
      {"fuel alone", kFuelRow + Keypad("5"), false},
      {"a cost that rounds to nothing", kCostRow + Keypad(".004"), false},
      {"a cost too large for its field", kCostRow + Keypad("99999999"), true},
      {"a distance too large for its field", kDistanceRow + Keypad("2147484"), true},
  };
  const RECT secondLine{26 + 80, 41 + 65, 26 + 250, 41 + 82};
  for (const Case& c : cases) {
    Write({early});
    const Outcome run =
        Drive("2005-01-20", kEntry + c.typing + kConfirm + "shot message.png\n" + kMessageOk +
                                "shot open.png\n" + kCancel + "shot back.png\n");
    ASSERT_EQ(0, run.exitStatus) << run.err;
    EXPECT_EQ(ledger_test::FileOf({early}), Saved()) << c.what;
    const res::Image message = screen.Shot("message.png"), open = screen.Shot("open.png"),
                     back = screen.Shot("back.png");
    ASSERT_EQ(320, message.width);
    EXPECT_EQ(!c.tooLarge, CountNear(message, secondLine, RGB(255, 255, 255), 150) > 10) << c.what;
    EXPECT_FALSE(CalendarShown(open)) << c.what;
    EXPECT_TRUE(CalendarShown(back)) << c.what;
  }
}

TEST_F(EntryDialog, CancelWithTheDropDownOpenOnlyClosesIt) {
  Write({});
  const Outcome run = Drive("2005-01-20", kEntry + kItemRow + kCancel + "shot closed.png\n" +
                                              kCancel + "shot back.png\n");
  ASSERT_EQ(0, run.exitStatus) << run.err;
  EXPECT_FALSE(CalendarShown(screen.Shot("closed.png")));
  EXPECT_TRUE(CalendarShown(screen.Shot("back.png")));
  EXPECT_EQ(ledger_test::FileOf({}), Saved());
}

// From 31 January the next month has no 31st: the entry is for its last day.
TEST_F(EntryDialog, ADayTheMonthLacksBecomesItsLastDay) {
  Write({});
  const Outcome run =
      Drive("2005-01-31", Tap(294, 21) + kEntry + kCostRow + Keypad("7") + kConfirm);
  ASSERT_EQ(0, run.exitStatus) << run.err;
  EXPECT_EQ(ledger_test::FileOf({ledger_test::Record(2005, 2, 28, 0, 700)}), Saved());
}

// A save that fails tells the driver, keeps what was typed and the ledger
// as it was (no marker the file lacks); once the directory can be written,
// confirming again stores the entry.
TEST_F(EntryDialog, AFailedSaveCanBeRetried) {
  const std::filesystem::path dir = screen.Path("frozen"), data = dir / "Roadtally.dat";
  std::filesystem::create_directory(dir);
  ledger_test::WriteBytes(data, ledger_test::FileOf({early}));
  testing_support::ChildProcess child({ROADTALLY_PATH, "--headless", "--today", "2005-01-20",
                                       "--data", data.string(), "--script", "-"});
  const std::string refused = screen.Path("refused.png");
  {
    ledger_test::FrozenDir frozen(dir);
    if (!frozen.frozen()) GTEST_SKIP() << "this file system cannot make a directory immutable";
    child.WriteInput(kEntry + kCostRow + Keypad("7") + kConfirm + "shot " + refused + "\n");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!std::filesystem::exists(refused) && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(std::filesystem::exists(refused));
    EXPECT_EQ(ledger_test::FileOf({early}), ledger_test::ReadBytes(data));
  }
  child.WriteInput(kMessageOk + kConfirm);
  const auto result = child.Wait(std::chrono::seconds(30));
  ASSERT_EQ(0, result.exitStatus) << result.err;
  EXPECT_EQ(ledger_test::FileOf({early, ledger_test::Record(2005, 1, 20, 0, 700)}),
            ledger_test::ReadBytes(data));
  // A message box over the dialog, not the calendar.
  EXPECT_FALSE(CalendarShown(screen.Shot("refused.png")));
}

}  // namespace
}  // namespace calendar_test
