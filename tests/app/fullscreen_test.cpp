// The real program in fullscreen on an X display, used as a driver would:
// taps at scaled screen places, double clicks and held keys, with the data
// file read back after.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>

#include "tests/ledger/ledger_bytes.h"
#include "tests/support/child_process.h"
#include "tests/support/xvfb_display.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ledger_test::Record;
using testing_support::ChildProcess;
using testing_support::XvfbDisplay;

// The test display is 1280 x 1024: the screen at 4x is 1280 x 960, centred
// with 32 black rows above and below.
constexpr int kScale = 4, kLeft = 0, kTop = 32;

// Pointer to screen pixel (x, y), the middle of its scaled square.
std::vector<std::string> PointAt(int screenX, int screenY) {
  return {"mousemove", std::to_string(kLeft + screenX * kScale + kScale / 2),
          std::to_string(kTop + screenY * kScale + kScale / 2), "sleep", "0.3"};
}

// A tap there; then a pause for the program (a button's pressed look, a
// dialog opening).
std::vector<std::string> TapDisplayAt(int screenX, int screenY) {
  std::vector<std::string> tap = PointAt(screenX, screenY);
  tap.insert(tap.end(), {"click", "1", "sleep", "1"});
  return tap;
}

// The centre of day cell (column, row): cells are 39 x 23 from (24, 65).
std::vector<std::string> TapDayCell(int column, int row) {
  return TapDisplayAt(24 + 39 * column + 19, 65 + 23 * row + 11);
}

void Append(std::vector<std::string>& words, const std::vector<std::string>& more) {
  words.insert(words.end(), more.begin(), more.end());
}

class Fullscreen : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "fullscreen-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    data = dir / "car.dat";
  }
  void TearDown() override { fs::remove_all(dir); }

  // Xvfb, then the program on 20 January 2005 in it, and its window's id.
  // The window shows before the program has made its own windows, and a
  // tap with no window under it is lost, so the first words sent should wait.
  void Launch() {
    display = XvfbDisplay::Start();
    ASSERT_TRUE(display) << "Xvfb did not start";
    // SDL's X11 libraries keep memory until exit; the headless runs check ours.
    program = std::make_unique<ChildProcess>(
        std::vector<std::string>{ROADTALLY_PATH, "--fullscreen", "--today", "2005-01-20", "--data",
                                 data.string()},
        std::vector<std::string>{display->Environment(), "ASAN_OPTIONS=detect_leaks=0",
                                 "XDG_RUNTIME_DIR=" + dir.string()});
    std::optional<std::string> found =
        display->Xdotool({"search", "--sync", "--onlyvisible", "--name", "Roadtally"});
    ASSERT_TRUE(found);
    window = found->substr(0, found->find('\n'));
  }

  // The input, the close key, then the program's end.
  void Send(const std::vector<std::string>& input) {
    ASSERT_TRUE(display->Xdotool(input));
    ASSERT_TRUE(display->Xdotool({"key", "End"}));
    const ChildProcess::Result result = program->Wait(30s);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
  }

  fs::path dir, data;
  std::unique_ptr<XvfbDisplay> display;
  std::unique_ptr<ChildProcess> program;
  std::string window;
};

TEST_F(Fullscreen, CoversTheDisplayAndATapOnAScaledDayCellSelectsThatDay) {
  SKIP_WITHOUT_XVFB_UNLESS_CI();
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::optional<std::string> geometry = display->Xdotool({"getwindowgeometry", window});
  ASSERT_TRUE(geometry);
  EXPECT_NE(geometry->find("Position: 0,0"), std::string::npos) << *geometry;
  EXPECT_NE(geometry->find("Geometry: 1280x1024"), std::string::npos) << *geometry;

  // 10 January 2005, a Monday: column 1 of row 2. Then a refuelling of 5
  // through the entry dialog (its cost row, keypad 5 and OK, confirm).
  std::vector<std::string> taps = {"sleep", "3"};
  Append(taps, TapDayCell(1, 2));
  for (auto [x, y] : {std::pair{20, 214}, {200, 143}, {275, 140}, {44, 222}, {43, 222}})
    Append(taps, TapDisplayAt(x, y));
  Send(taps);
  EXPECT_EQ(ledger_test::ReadBytes(data), ledger_test::FileOf({Record(2005, 1, 10, 0, 500)}));
}

// The second click of a double click on "월별보기" comes during the
// button's pressed look; it must not reach the list that opens, where the
// same place is "삭  제". F1 would then confirm the delete question.
TEST_F(Fullscreen, ADoubleClickOnAButtonActsOnce) {
  SKIP_WITHOUT_XVFB_UNLESS_CI();
  const std::vector<ExpenseRecord> records = {Record(2005, 1, 7, 3, 1000)};
  ledger_test::WriteBytes(data, ledger_test::FileOf(records));
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::vector<std::string> input = {"sleep", "3"};
  Append(input, PointAt(120, 222));
  Append(input,
         {"click", "--repeat", "2", "--delay", "80", "1", "sleep", "1", "key", "F1", "sleep", "1"});
  Append(input, TapDisplayAt(274, 222));  // the list's "종  료"
  Send(input);
  EXPECT_EQ(ledger_test::ReadBytes(data), ledger_test::FileOf(records));
}

// The desktop repeats a held key; the device's keys do not. F2 held 1.2 s
// on the keypad clears "56", as a held "<-" does, and its release then
// removes nothing: the cost stays 0, only the distance is stored.
TEST_F(Fullscreen, AHeldF2ClearsTheKeypad) {
  SKIP_WITHOUT_XVFB_UNLESS_CI();
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::vector<std::string> input = {"sleep", "3"};
  Append(input, TapDayCell(1, 2));
  Append(input, TapDisplayAt(20, 214));   // "지출입력"
  Append(input, TapDisplayAt(200, 143));  // the cost row
  Append(input, {"key", "KP_5", "key", "KP_6", "keydown", "F2", "sleep", "1.2", "keyup", "F2",
                 "key", "F1", "sleep", "1"});
  Append(input, TapDisplayAt(200, 181));  // the distance row
  Append(input, {"key", "KP_7", "key", "F1", "sleep", "1"});
  Append(input, TapDisplayAt(43, 222));  // "확  인"
  Send(input);
  EXPECT_EQ(ledger_test::ReadBytes(data),
            ledger_test::FileOf({Record(2005, 1, 10, 0, 0, 0, 7000)}));
}

}  // namespace
