#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/res/png_codec.h"
#include "tests/support/child_process.h"
#include "tests/support/xvfb_display.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;
using testing_support::XvfbDisplay;

constexpr gdi::Pixel kBlue = 0x000080;
constexpr gdi::Pixel kWhite = 0xFFFFFF;
constexpr gdi::Pixel kYellow = 0xFFFF00;
constexpr gdi::Pixel kMagenta = 0xFF00FF;
constexpr gdi::Pixel kGreen = 0x00FF00;
constexpr gdi::Pixel kRed = 0xFF0000;
constexpr gdi::Pixel kGrey = 0x808080;

// Runs the demo program headless in a directory of its own (its current
// directory, runtime directory and data file's home) and reads its shots.
class DemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "demo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::vector<std::string> Environment() const { return {"XDG_RUNTIME_DIR=" + dir_}; }
  std::vector<std::string> Command(const std::string& data) const {
    return {DEMO_APP, "--headless", "--data", dir_ + "/" + data};
  }

  ChildProcess::Result Run(const std::string& script, const std::string& data = "Roadtally.dat") {
    std::filesystem::current_path(dir_);
    ChildProcess demo(Command(data), Environment());
    demo.WriteInput(script);
    return demo.Wait(30s);
  }

  gdi::Pixel PixelOf(const std::string& shot, int x, int y) const {
    std::optional<res::Image> image = res::ReadPngFile(dir_ + "/" + shot);
    EXPECT_TRUE(image) << shot;
    if (!image) return 0xDEADBEEF;
    EXPECT_EQ(image->width, 320);
    EXPECT_EQ(image->height, 240);
    return image->pixels[static_cast<size_t>(y) * image->width + x];
  }

  std::string dir_;
};

TEST_F(DemoTest, TimerGrowsTheBarFiveTimesInASecondAndATapLeavesAMarker) {
  ChildProcess::Result result = Run("shot start.png\nwait 1000\ntap 100 100\nshot after.png\n");
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(PixelOf("start.png", 0, 5), kBlue);
  EXPECT_EQ(PixelOf("start.png", 0, 235), kGrey);
  EXPECT_EQ(PixelOf("after.png", 19, 5), kWhite);  // 5 ticks x 4 pixels
  EXPECT_EQ(PixelOf("after.png", 20, 5), kBlue);
  EXPECT_EQ(PixelOf("after.png", 96, 96), kYellow);
  EXPECT_EQ(PixelOf("after.png", 103, 103), kYellow);
  EXPECT_EQ(PixelOf("after.png", 104, 104), kBlue);
}

TEST_F(DemoTest, ModalDialogPaintsOverTheWindowAndLeavesItAsItWas) {
  ChildProcess::Result result =
      Run("tap 100 100\nkey RETURN\nshot open.png\nwait 400\nkey ESCAPE\nshot closed.png\n"
          "tap 300 220\ntap 160 120\nshot ok.png\n");
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(PixelOf("open.png", 160, 120), kMagenta);
  EXPECT_EQ(PixelOf("open.png", 80, 60), kMagenta);
  EXPECT_EQ(PixelOf("open.png", 79, 60), kBlue);
  EXPECT_EQ(PixelOf("open.png", 100, 100), kMagenta);
  // Timers reach the main window while the dialog's loop runs.
  EXPECT_EQ(PixelOf("closed.png", 7, 5), kWhite);
  EXPECT_EQ(PixelOf("closed.png", 8, 5), kBlue);
  EXPECT_EQ(PixelOf("closed.png", 100, 100), kYellow);
  EXPECT_EQ(PixelOf("closed.png", 160, 120), kBlue);
  EXPECT_EQ(PixelOf("closed.png", 0, 235), kRed);
  EXPECT_EQ(PixelOf("ok.png", 0, 235), kGreen);
}

TEST_F(DemoTest, ProgramEndingBeforeItsScriptSaysWhere) {
  ChildProcess::Result result = Run("wait 10\n\ntap 25 220\ntap 1 1\n");
  EXPECT_EQ(result.exitStatus, 12);
  EXPECT_EQ(result.err, "script:3: the program ended here; the rest of the script was not run\n");
  ChildProcess::Result closed = Run("key DEVICE\nwait 5\n");
  EXPECT_EQ(closed.exitStatus, 0);
  EXPECT_EQ(closed.err, "script:1: the program ended here; the rest of the script was not run\n");
}

TEST_F(DemoTest, MalformedLineStopsTheRunEvenInsideTheDialog) {
  ChildProcess::Result result = Run("key RETURN\nwait 10\ntap 400 1\n");
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, "script:3: X must be a whole number 0..319, not '400'\n");
}

TEST_F(DemoTest, EndOfScriptClosesTheProgramFromInsideTheDialog) {
  ChildProcess::Result result = Run("key RETURN\n");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
}

TEST_F(DemoTest, DataOptionRedirectsTheFileBesideTheExecutable) {
  ChildProcess::Result result = Run("key F1\n", "elsewhere.dat");
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  std::ifstream written(dir_ + "/elsewhere.dat");
  std::string content;
  std::getline(written, content);
  EXPECT_EQ(content, "demo");
}

TEST_F(DemoTest, SecondStartWithTheSameDataFileEndsAtOnce) {
  std::filesystem::current_path(dir_);
  ChildProcess first(Command("Roadtally.dat"), Environment());
  // Its first shot comes after its window claimed the data file.
  first.WriteInput("shot first.png\n");
  for (int i = 0; i < 3000 && !std::filesystem::exists(dir_ + "/first.png"); ++i)
    std::this_thread::sleep_for(10ms);
  ASSERT_TRUE(std::filesystem::exists(dir_ + "/first.png"));
  ChildProcess::Result second = Run("tap 1 1\nshot second.png\n");
  EXPECT_EQ(second.exitStatus, 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ + "/second.png"));
  ChildProcess::Result other = Run("shot other.png\n", "Other.dat");
  EXPECT_EQ(other.exitStatus, 0);
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/other.png"));
  ChildProcess::Result ended = first.Wait(30s);
  EXPECT_EQ(ended.exitStatus, 0) << ended.err;
}

// The X11 and D-Bus libraries SDL loads keep some memory to the end; the
// same code paths are leak-checked by the headless runs above.
TEST_F(DemoTest, RealWindowUnderXvfbTakesAClick) {
  SKIP_WITHOUT_XVFB_UNLESS_CI();
  std::unique_ptr<XvfbDisplay> display = XvfbDisplay::Start();
  ASSERT_TRUE(display);
  ChildProcess demo(
      {DEMO_APP, "--scale", "2", "--data", dir_ + "/Roadtally.dat"},
      {display->Environment(), "XDG_RUNTIME_DIR=" + dir_, "ASAN_OPTIONS=detect_leaks=0"});
  std::optional<std::string> window =
      display->Xdotool({"search", "--sync", "--onlyvisible", "--name", "Roadtally"});
  ASSERT_TRUE(window);
  std::string id = window->substr(0, window->find('\n'));
  // Window pixel (51, 441) at scale 2 is screen pixel (25, 220): status 12.
  // A click that comes while the window is still settling is clicked again.
  for (int attempt = 0; attempt < 10 && !demo.EndsWithin(2s); ++attempt)
    ASSERT_TRUE(
        display->Xdotool({"mousemove", "--window", id, "51", "441", "sleep", "0.3", "click", "1"}));
  ChildProcess::Result result = demo.Wait(30s);
  EXPECT_TRUE(result.exited);
  EXPECT_EQ(result.exitStatus, 12) << result.err;
}

}  // namespace
