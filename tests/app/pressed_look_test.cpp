// The pressed look lasts only through the button's 200 ms pause, inside one
// handler: a host that keeps every presented frame sees it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "platform/core/windef.h"
#include "platform/framework/cwinapp.h"
#include "platform/host/headless_host.h"
#include "platform/res/png_codec.h"
#include "platform/win/files.h"
#include "platform/win/winuser.h"

namespace {

class RecordingHost : public host::Host {
 public:
  RecordingHost(const std::string& script, std::chrono::sys_days today)
      : inner_(std::make_unique<std::istringstream>(script), today, {}, diagnostics_) {}

  DWORD TickCount() override { return inner_.TickCount(); }
  SYSTEMTIME LocalTime() override { return inner_.LocalTime(); }
  SYSTEMTIME UniversalTime() override { return inner_.UniversalTime(); }
  void Sleep(DWORD ms) override { inner_.Sleep(ms); }
  std::optional<host::InputEvent> WaitForInput(std::optional<DWORD> deadline) override {
    return inner_.WaitForInput(deadline);
  }
  void Present(const gdi::Surface32& screen) override {
    res::Image frame;
    frame.width = screen.width;
    frame.height = screen.height;
    for (int y = 0; y < screen.height; ++y)
      frame.pixels.insert(frame.pixels.end(), screen.Row(y), screen.Row(y) + screen.width);
    frames.push_back(std::move(frame));
    inner_.Present(screen);
  }
  void RaiseWindow() override {}
  void DropPenPresses() override { inner_.DropPenPresses(); }

  std::vector<res::Image> frames;

 private:
  std::ostringstream diagnostics_;
  host::HeadlessHost inner_;
};

COLORREF At(const res::Image& image, int x, int y) {
  return gdi::ColorFromPixel(image.pixels[static_cast<std::size_t>(y) * image.width + x]);
}

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
RecordingHost& RunProgram(const std::string& script) {
  platform::Context& context = platform::Context::Get();
  const std::string data = (std::filesystem::temp_directory_path() / "pressed-look.dat").string();
  std::filesystem::remove(data);
  SetProgramDataFile(L"\\Roadtally.dat", data);
  using namespace std::chrono;
  auto owned = std::make_unique<RecordingHost>(script, sys_days{year{2005} / January / 20});
  RecordingHost& recording = *owned;
  context.Install<host::Host>(std::move(owned));
  EXPECT_EQ(AfxWinMain(), 0);
  return recording;
}

// Every label is drawn black in the paint of a pressed button, but that
// paint reaches only the button's own rectangle: the other labels stay white
// on the screen.
TEST(PressedLook, EntryButtonShowsTheOrangeFaceWithABlackLabel) {
  const res::Image face = res::ReadPngFile(RESOURCES_DIR "/bitmaps/164.png").value_or(res::Image{});
  ASSERT_EQ(face.width, 75);
  RecordingHost& host = RunProgram("tap 20 214\n");
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
