// The pressed look lasts only through the button's 200 ms pause, inside one
// handler: a host that keeps every presented frame sees it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "ledger/data_path.h"
#include "platform/framework/cwinapp.h"
#include "platform/host/headless_host.h"
#include "platform/res/png_codec.h"
#include "platform/win/files.h"
#include "platform/win/winbase.h"

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

// Runs the program in this process on a script; returns its host.
RecordingHost& RunProgram(const std::string& script) {
  platform::Context& context = platform::Context::Get();
  context.Reset();
  const std::string data = (std::filesystem::temp_directory_path() / "pressed-look.dat").string();
  std::filesystem::remove(data);
  wchar_t module[kModulePathCapacity] = {};
  GetModuleFileName(nullptr, module, kModulePathCapacity);
  win::SetPathOverride(BuildDataPath(module), data);
  using namespace std::chrono;
  auto owned = std::make_unique<RecordingHost>(script, sys_days{year{2005} / January / 20});
  RecordingHost& recording = *owned;
  context.Install<host::Host>(std::move(owned));
  EXPECT_EQ(AfxWinMain(), 0);
  return recording;
}

TEST(PressedLook, EntryButtonShowsTheOrangeFaceWithAllLabelsBlack) {
  const res::Image face = res::ReadPngFile(RESOURCES_DIR "/bitmaps/164.png").value_or(res::Image{});
  ASSERT_EQ(face.width, 75);
  RecordingHost& host = RunProgram("tap 20 214\n");
  // The pause is virtual: the clock moved by exactly 200 ms for the one tap.
  EXPECT_EQ(host.TickCount(), 200u);
  const RECT exitButton{237, 210, 312, 234};
  int pressedFrames = 0;
  for (const res::Image& frame : host.frames) {
    if (At(frame, 6 + 2, 210 + 12) != At(face, 2, 12)) continue;
    ++pressedFrames;
    EXPECT_FALSE(HasNearWhite(frame, exitButton)) << "a label is still white while a button is pressed";
  }
  EXPECT_EQ(pressedFrames, 1);
  ASSERT_FALSE(host.frames.empty());
  EXPECT_TRUE(HasNearWhite(host.frames.back(), exitButton));  // released: white again
}

}  // namespace
