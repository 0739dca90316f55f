// The pressed look lasts only through the button's 200 ms pause, inside one
// handler: a host that keeps every presented frame sees it.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/windef.h"
#include "platform/framework/cwinapp.h"
#include "platform/res/png_codec.h"
#include "platform/win/files.h"
#include "platform/win/winuser.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/script_host.h"

namespace {

using screen_pixels::At;
using testing_support::ScriptHost;

bool HasNearWhite(const res::Image& image, const RECT& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF p = At(image, x, y);
      if (GetRValue(p) > 200 && GetGValue(p) > 200 && GetBValue(p) > 200) return true;
    }
  return false;
}

// Pixels where the pressed face shows something else: the label. Each must
// be darker than the face beneath it (black text); returns how many.
int DarkLabelPixels(const res::Image& frame, const res::Image& face, const RECT& r) {
  int label = 0;
  auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF shown = At(frame, x, y), under = At(face, x - r.left, y - r.top);
      if (shown == under) continue;
      if (sum(shown) >= sum(under)) return -1;
      ++label;
    }
  return label;
}

// Runs the program in this process on a script; returns its host. Once per
// process: the application object belongs to the process.
ScriptHost& RunProgram(const std::string& script) {
  const std::string data = (std::filesystem::temp_directory_path() / "pressed-look.dat").string();
  std::filesystem::remove(data);
  SetProgramDataFile(L"\\Roadtally.dat", data);
  ScriptHost& recording = ScriptHost::Installed();
  recording.keepFrames = true;
  recording.Play(script);
  EXPECT_EQ(AfxWinMain(), 0);
  return recording;
}

// Every label is drawn black in the paint of a pressed button, but that
// paint reaches only the button's own rectangle: the other labels stay white
// on the screen.
TEST(PressedLook, EntryButtonShowsTheOrangeFaceWithABlackLabel) {
  const res::Image face = res::ReadPngFile(RESOURCES_DIR "/bitmaps/164.png").value_or(res::Image{});
  ASSERT_EQ(face.width, 75);
  ScriptHost& host = RunProgram("tap 20 214\n");
  // The pause is virtual: the clock moved by exactly 200 ms for the one tap.
  EXPECT_EQ(host.TickCount(), 200u);
  const RECT entryButton{6, 210, 81, 234}, exitButton{237, 210, 312, 234};
  int pressedFrames = 0;
  for (const res::Image& frame : host.frames) {
    if (At(frame, 6 + 2, 210 + 12) != At(face, 2, 12)) continue;
    ++pressedFrames;
    EXPECT_GT(DarkLabelPixels(frame, face, entryButton), 20) << "the pressed label is not black";
    EXPECT_TRUE(HasNearWhite(frame, exitButton)) << "a paint reached past the pressed button";
  }
  EXPECT_EQ(pressedFrames, 1);
  ASSERT_FALSE(host.frames.empty());
  EXPECT_TRUE(HasNearWhite(host.frames.back(), entryButton));  // released: white again
}

}  // namespace
