#include "platform/host/headless_host.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace host {
namespace {

using namespace std::chrono;
using Kind = InputEvent::Kind;

struct Shot {
  std::string path;
  gdi::Pixel first;
  int width;
  int height;
};

// A headless host over a script text, recording shots instead of writing files.
class HeadlessHostTest : public ::testing::Test {
 protected:
  HeadlessHost& Run(const std::string& script, bool shotsSucceed = true) {
    host_ = std::make_unique<HeadlessHost>(
        std::make_unique<std::istringstream>(script), sys_days{2024y / February / 28},
        [this, shotsSucceed](const gdi::Surface32& screen, const std::string& path) {
          shots_.push_back({path, screen.pixels[0], screen.width, screen.height});
          return shotsSucceed;
        },
        diagnostics_);
    return *host_;
  }

  // Plays the window manager's part for one repeating timer: asks for input
  // with the timer's deadline and fires it whenever the clock reaches it.
  InputEvent NextEventWithTimer(DWORD& nextTimer, DWORD period, int& fired) {
    for (;;) {
      std::optional<InputEvent> event = host_->WaitForInput(nextTimer);
      if (event) return *event;
      EXPECT_EQ(host_->TickCount(), nextTimer);
      ++fired;
      nextTimer += period;
    }
  }

  std::unique_ptr<HeadlessHost> host_;
  std::vector<Shot> shots_;
  std::ostringstream diagnostics_;
};

TEST_F(HeadlessHostTest, TapAndKeyGiveTheirTwoEventsOneAtATime) {
  HeadlessHost& host =
      Run("tap 10 20\nkey DEVICE\ndown 1 2\nmove 3 4\nup 5 6\nkeydown F1\nkeyup F1\n");
  std::vector<std::tuple<Kind, int, int, UINT>> expected{
      {Kind::PenDown, 10, 20, 0}, {Kind::PenUp, 10, 20, 0},    {Kind::KeyDown, 0, 0, 0xC3},
      {Kind::KeyUp, 0, 0, 0xC3},  {Kind::PenDown, 1, 2, 0},    {Kind::PenMove, 3, 4, 0},
      {Kind::PenUp, 5, 6, 0},     {Kind::KeyDown, 0, 0, 0x70}, {Kind::KeyUp, 0, 0, 0x70},
      {Kind::Close, 0, 0, 0}};
  for (const auto& [kind, x, y, vk] : expected) {
    std::optional<InputEvent> event = host.WaitForInput(std::nullopt);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->kind, kind);
    EXPECT_EQ(event->x, x);
    EXPECT_EQ(event->y, y);
    EXPECT_EQ(event->vk, vk);
  }
  EXPECT_EQ(host.TickCount(), 0u);
  EXPECT_EQ(host.Finish(0), 0);
  EXPECT_EQ(diagnostics_.str(), "");
}

TEST_F(HeadlessHostTest, RepeatTimerOf200FiresFiveTimesInAWaitOf1000) {
  HeadlessHost& host = Run("wait 1000\ntap 1 1\n");
  DWORD nextTimer = 200;
  int fired = 0;
  InputEvent event = NextEventWithTimer(nextTimer, 200, fired);
  EXPECT_EQ(event.kind, Kind::PenDown);
  EXPECT_EQ(fired, 5);
  EXPECT_EQ(host.TickCount(), 1000u);
}

TEST_F(HeadlessHostTest, ClockStandsStillBetweenCommandsAndTimersWaitForAWait) {
  HeadlessHost& host = Run("tap 1 1\nwait 150\nkey F2\n");
  DWORD nextTimer = 100;
  int fired = 0;
  EXPECT_EQ(NextEventWithTimer(nextTimer, 100, fired).kind, Kind::PenDown);
  EXPECT_EQ(NextEventWithTimer(nextTimer, 100, fired).kind, Kind::PenUp);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(NextEventWithTimer(nextTimer, 100, fired).kind, Kind::KeyDown);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(host.TickCount(), 150u);
}

TEST_F(HeadlessHostTest, SleepMovesTheClockAndAWaitKeepsItsEnd) {
  HeadlessHost& host = Run("wait 500\ntap 2 2\n");
  host.Sleep(40);
  EXPECT_EQ(host.TickCount(), 40u);
  // A timer handler that sleeps inside the wait does not lengthen it.
  EXPECT_EQ(host.WaitForInput(DWORD{240}), std::nullopt);
  EXPECT_EQ(host.TickCount(), 240u);
  host.Sleep(200);
  std::optional<InputEvent> event = host.WaitForInput(DWORD{900});
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, Kind::PenDown);
  EXPECT_EQ(host.TickCount(), 540u);
}

TEST_F(HeadlessHostTest, DateIsFixedAndTimeRunsFromNoonOnTheVirtualClock) {
  HeadlessHost& host = Run("");
  SYSTEMTIME start = host.LocalTime();
  EXPECT_EQ(start.wYear, 2024);
  EXPECT_EQ(start.wMonth, 2);
  EXPECT_EQ(start.wDay, 28);
  EXPECT_EQ(start.wHour, 12);
  EXPECT_EQ(start.wMinute, 0);
  host.Sleep(12 * 3600 * 1000 + 61 * 1000 + 5);
  SYSTEMTIME later = host.LocalTime();
  EXPECT_EQ(later.wDay, 29);
  EXPECT_EQ(later.wDayOfWeek, 4);
  EXPECT_EQ(later.wHour, 0);
  EXPECT_EQ(later.wMinute, 1);
  EXPECT_EQ(later.wSecond, 1);
  EXPECT_EQ(later.wMilliseconds, 5);
}

TEST_F(HeadlessHostTest, MalformedLineQuitsWithStatusTwoAndItsLineNumber) {
  HeadlessHost& host = Run("tap 1 1\n\n# next is wrong\njump 3\ntap 2 2\n");
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::PenDown);
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::PenUp);
  std::optional<InputEvent> quit = host.WaitForInput(std::nullopt);
  ASSERT_TRUE(quit);
  EXPECT_EQ(quit->kind, Kind::Quit);
  EXPECT_EQ(quit->exitCode, 2);
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::Quit);
  EXPECT_EQ(host.Finish(0), 2);
  EXPECT_EQ(diagnostics_.str(), "script:4: unknown command 'jump'\n");
}

TEST_F(HeadlessHostTest, ProgramEndingEarlyIsReportedAtTheLastLineRun) {
  HeadlessHost& host = Run("wait 10\nkey DEVICE\n# rest\ntap 5 5\n");
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::KeyDown);
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::KeyUp);
  EXPECT_EQ(host.Finish(0), 0);
  EXPECT_EQ(diagnostics_.str(),
            "script:2: the program ended here; the rest of the script was not run\n");
}

// A button acts on its pen-down ("종   료" ends the program there): the
// tap's release left over is no part of the script that was not run.
TEST_F(HeadlessHostTest, ProgramEndingInsideATapWarnsOnlyWhenMoreFollows) {
  HeadlessHost& last = Run("tap 5 5\n# the end\n");
  EXPECT_EQ(last.WaitForInput(std::nullopt)->kind, Kind::PenDown);
  EXPECT_EQ(last.Finish(3), 3);
  EXPECT_EQ(diagnostics_.str(), "");
  HeadlessHost& more = Run("tap 5 5\nwait 10\n");
  EXPECT_EQ(more.WaitForInput(std::nullopt)->kind, Kind::PenDown);
  EXPECT_EQ(more.Finish(3), 3);
  EXPECT_EQ(diagnostics_.str(),
            "script:1: the program ended here; the rest of the script was not run\n");
}

TEST_F(HeadlessHostTest, ProgramOutlivingItsScriptIsClosedThenStopped) {
  HeadlessHost& host = Run("# nothing\n");
  int closes = 0;
  std::optional<InputEvent> event;
  while ((event = host.WaitForInput(std::nullopt)) && event->kind == Kind::Close) ++closes;
  EXPECT_EQ(closes, 16);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, Kind::Quit);
  EXPECT_EQ(event->exitCode, 0);
}

TEST_F(HeadlessHostTest, ShotWritesTheLastPresentedScreenOrBlack) {
  HeadlessHost& host = Run("shot before.png\ntap 1 1\nshot after.png\n");
  std::vector<gdi::Pixel> pixels(kScreenWidth * kScreenHeight, 0x00ABCDEF);
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::PenDown);
  ASSERT_EQ(shots_.size(), 1u);
  EXPECT_EQ(shots_[0].path, "before.png");
  EXPECT_EQ(shots_[0].first, 0u);
  EXPECT_EQ(shots_[0].width, 320);
  EXPECT_EQ(shots_[0].height, 240);
  host.Present(gdi::Surface32{pixels.data(), kScreenWidth, kScreenHeight, kScreenWidth});
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::PenUp);
  EXPECT_EQ(shots_.size(), 1u);
  EXPECT_EQ(host.WaitForInput(std::nullopt)->kind, Kind::Close);
  ASSERT_EQ(shots_.size(), 2u);
  EXPECT_EQ(shots_[1].path, "after.png");
  EXPECT_EQ(shots_[1].first, 0x00ABCDEFu);
}

TEST_F(HeadlessHostTest, ShotThatCannotBeWrittenFailsTheRun) {
  HeadlessHost& host = Run("wait 1\nshot /nonexistent/x.png\n", false);
  std::optional<InputEvent> event = host.WaitForInput(std::nullopt);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, Kind::Quit);
  EXPECT_EQ(event->exitCode, 2);
  EXPECT_EQ(diagnostics_.str(), "script:2: cannot write '/nonexistent/x.png'\n");
}

}  // namespace
}  // namespace host
