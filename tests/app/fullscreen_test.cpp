// The real program in fullscreen on an X display, used as a driver would:
// taps at scaled screen places pick a day and record an expense on it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>

#include "tests/host/child_process.h"
#include "tests/host/xvfb_display.h"
#include "tests/ledger/ledger_bytes.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::ChildProcess;
using testing_support::XvfbDisplay;

// The test display is 1280 x 1024: the screen at 4x is 1280 x 960, centred
// with 32 black rows above and below.
constexpr int kScale = 4, kLeft = 0, kTop = 32;

// A tap at screen pixel (x, y), the middle of its scaled square; then a
// pause for the program (a button's pressed look, a dialog opening).
std::vector<std::string> TapDisplayAt(int screenX, int screenY) {
  return {"mousemove",
          std::to_string(kLeft + screenX * kScale + kScale / 2),
          std::to_string(kTop + screenY * kScale + kScale / 2),
          "sleep",
          "0.3",
          "click",
          "1",
          "sleep",
          "1"};
}

// The centre of day cell (column, row): cells are 39 x 23 from (24, 65).
std::vector<std::string> TapDayCell(int column, int row) {
  return TapDisplayAt(24 + 39 * column + 19, 65 + 23 * row + 11);
}

TEST(Fullscreen, CoversTheDisplayAndATapOnAScaledDayCellSelectsThatDay) {
  SKIP_WITHOUT_XVFB_UNLESS_CI();
  std::unique_ptr<XvfbDisplay> display = XvfbDisplay::Start();
  ASSERT_TRUE(display) << "Xvfb did not start";
  std::string pattern = (fs::temp_directory_path() / "fullscreen-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path dir = pattern, data = dir / "car.dat";
  // SDL's X11 libraries keep memory until exit; the headless runs check ours.
  ChildProcess program(
      {ROADTALLY_PATH, "--fullscreen", "--today", "2005-01-20", "--data", data.string()},
      {display->Environment(), "ASAN_OPTIONS=detect_leaks=0", "XDG_RUNTIME_DIR=" + dir.string()});

  std::optional<std::string> window =
      display->Xdotool({"search", "--sync", "--onlyvisible", "--name", "Roadtally"});
  ASSERT_TRUE(window);
  const std::string id = window->substr(0, window->find('\n'));
  std::optional<std::string> geometry = display->Xdotool({"getwindowgeometry", id});
  ASSERT_TRUE(geometry);
  EXPECT_NE(geometry->find("Position: 0,0"), std::string::npos) << *geometry;
  EXPECT_NE(geometry->find("Geometry: 1280x1024"), std::string::npos) << *geometry;

  // 10 January 2005, a Monday: column 1 of row 2. Then a refuelling of 5
  // through the entry dialog (its cost row, keypad 5 and OK, confirm).
  // The window shows before the program has made its own windows, and a
  // tap with no window under it is lost: time for the program to start.
  std::vector<std::string> taps = {"sleep", "3"};
  for (const std::string& word : TapDayCell(1, 2)) taps.push_back(word);
  for (auto [x, y] : {std::pair{20, 214}, {200, 143}, {275, 140}, {44, 222}, {43, 222}}) {
    std::vector<std::string> tap = TapDisplayAt(x, y);
    taps.insert(taps.end(), tap.begin(), tap.end());
  }
  ASSERT_TRUE(display->Xdotool(taps));
  ASSERT_TRUE(display->Xdotool({"key", "End"}));
  const ChildProcess::Result result = program.Wait(30s);
  EXPECT_TRUE(result.exited);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(ledger_test::ReadBytes(data),
            ledger_test::FileOf({ledger_test::Record(2005, 1, 10, 0, 500)}));
  fs::remove_all(dir);
}

}  // namespace
