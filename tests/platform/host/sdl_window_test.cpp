#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/child_process.h"
#include "tests/support/xvfb_display.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;
using testing_support::XvfbDisplay;

// The X11 and D-Bus libraries SDL loads keep some memory until the process
// ends, and SDL unloads them before the leak check could name them; our own
// code's leaks are checked by the headless runs of the same paths.
const std::string kSystemLibrariesLeak = "ASAN_OPTIONS=detect_leaks=0";

// The SDL host in a real X window: a click and a key sent by an X client
// arrive as the pen and the device key, in screen pixels.
TEST(SdlWindow, ClickAndEndKeyArriveAsPenAndDeviceKey) {
  SKIP_WITHOUT_XVFB_UNLESS_CI();
  std::unique_ptr<XvfbDisplay> display = XvfbDisplay::Start();
  ASSERT_TRUE(display) << "Xvfb did not start";
  ChildProcess probe({SDL_PROBE}, {display->Environment(), kSystemLibrariesLeak});
  ASSERT_EQ(probe.ReadLine(20s), "ready");

  std::optional<std::string> window =
      display->Xdotool({"search", "--sync", "--onlyvisible", "--name", "Roadtally"});
  ASSERT_TRUE(window);
  std::string id = window->substr(0, window->find('\n'));
  // Window pixel (201, 101) at scale 2 is screen pixel (100, 50). As with a
  // hand, the pointer arrives a moment before the button goes down.
  ASSERT_TRUE(
      display->Xdotool({"mousemove", "--window", id, "201", "101", "sleep", "0.3", "click", "1"}));
  EXPECT_EQ(probe.ReadLine(20s), "down 100 50");
  EXPECT_EQ(probe.ReadLine(20s), "up 100 50");
  ASSERT_TRUE(display->Xdotool({"key", "End"}));
  EXPECT_EQ(probe.ReadLine(20s), "keydown 0xC3");
  EXPECT_EQ(probe.ReadLine(20s), "keyup 0xC3");
  ChildProcess::Result result = probe.Wait(20s);
  EXPECT_TRUE(result.exited);
  EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
}

TEST(SdlWindow, WithoutADisplayItSaysSo) {
  ChildProcess probe({SDL_PROBE}, {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER="});
  ChildProcess::Result result = probe.Wait(20s);
  EXPECT_TRUE(result.exited);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.err, "");
}

}  // namespace
