// Pen and key input reaching the right window.
#include <gtest/gtest.h>

#include "tests/platform/win/fake_host.h"
#include "tests/platform/win/probe_window.h"

namespace win_test {
namespace {

using Kind = host::InputEvent::Kind;

class InputTest : public WindowTest {
 protected:
  InputTest() { RegisterProbeClass(); }

  // Runs until the queued input is used up.
  static void Drain() { RunLoop(); }

  static POINT PointOf(const Logged& l) { return {GET_X_LPARAM(l.lParam), GET_Y_LPARAM(l.lParam)}; }
  static const Logged* Find(const Probe& p, UINT message) {
    for (const Logged& l : p.log)
      if (l.message == message) return &l;
    return nullptr;
  }
};

TEST_F(InputTest, TapsGoToTheChildOverItsParentInClientCoordinates) {
  Probe mainProbe, childProbe;
  HWND main = MakePopup(mainProbe, {0, 0, 320, 240});
  MakeChild(childProbe, main, {100, 50, 200, 150});
  Host().Tap(120, 60);
  Host().Tap(10, 10);
  Drain();
  const Logged* childDown = Find(childProbe, WM_LBUTTONDOWN);
  ASSERT_NE(childDown, nullptr);
  EXPECT_EQ(PointOf(*childDown).x, 20);
  EXPECT_EQ(PointOf(*childDown).y, 10);
  EXPECT_EQ(childDown->wParam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(mainProbe.Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(childProbe.Count(WM_LBUTTONUP), 1);
}

TEST_F(InputTest, PopupOverMainWindowTakesTapsAndDisabledOwnerGetsNone) {
  Probe mainProbe, popupProbe;
  HWND main = MakePopup(mainProbe, {0, 0, 320, 240});
  MakePopup(popupProbe, {50, 50, 150, 150}, main);
  EnableWindow(main, FALSE);
  Host().Tap(60, 70);   // on the popup
  Host().Tap(300, 10);  // on the disabled main window: lost
  Drain();
  ASSERT_EQ(popupProbe.Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(PointOf(*Find(popupProbe, WM_LBUTTONDOWN)).x, 10);
  EXPECT_EQ(mainProbe.Count(WM_LBUTTONDOWN), 0);
}

TEST_F(InputTest, CaptureRoutesPenInputOutsideTheWindowToIt) {
  Probe mainProbe, buttonProbe;
  HWND main = MakePopup(mainProbe, {0, 0, 320, 240});
  HWND button = MakeChild(buttonProbe, main, {10, 10, 60, 40});
  buttonProbe.react = [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_LBUTTONDOWN) SetCapture(h);
    if (m == WM_LBUTTONUP) ReleaseCapture();
    return std::nullopt;
  };
  Host().Queue(Kind::PenDown, 20, 20);
  Host().Queue(Kind::PenMove, 200, 200);
  Host().Queue(Kind::PenUp, 250, 5);
  Host().Tap(250, 5);  // after release: the main window again
  Drain();
  EXPECT_EQ(GetCapture(), nullptr);
  const Logged* up = Find(buttonProbe, WM_LBUTTONUP);
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(PointOf(*up).x, 240);
  EXPECT_EQ(PointOf(*up).y, -5);
  EXPECT_EQ(PointOf(*Find(buttonProbe, WM_MOUSEMOVE)).x, 190);
  EXPECT_EQ(mainProbe.Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(mainProbe.Count(WM_MOUSEMOVE), 0);
  (void)button;
}

TEST_F(InputTest, PenMovesOnlyWhileDown) {
  Probe probe;
  MakePopup(probe, {0, 0, 320, 240});
  Host().Queue(Kind::PenMove, 5, 5);
  Host().Queue(Kind::PenDown, 5, 5);
  Host().Queue(Kind::PenMove, 6, 6);
  Host().Queue(Kind::PenUp, 6, 6);
  Host().Queue(Kind::PenMove, 7, 7);
  Drain();
  EXPECT_EQ(probe.Count(WM_MOUSEMOVE), 1);
}

TEST_F(InputTest, KeysGoToTheFocusElseTheActiveWindow) {
  Probe mainProbe, childProbe;
  HWND main = MakePopup(mainProbe, {0, 0, 320, 240});
  HWND child = MakeChild(childProbe, main, {0, 0, 10, 10});
  EXPECT_EQ(win::WindowManager::Get().active, main);
  Host().Key(VK_RETURN);
  Drain();
  EXPECT_EQ(mainProbe.Count(WM_KEYDOWN), 1);
  SetFocus(child);
  EXPECT_EQ(childProbe.Count(WM_SETFOCUS), 1);
  Host().Key(VK_F1);
  Drain();
  const Logged* down = Find(childProbe, WM_KEYDOWN);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->wParam, static_cast<WPARAM>(VK_F1));
  EXPECT_EQ(childProbe.Count(WM_KEYUP), 1);
  EXPECT_EQ(mainProbe.Count(WM_KEYDOWN), 1);
}

TEST_F(InputTest, ActivationMovesWithShownPopupsAndReturnsToTheOwner) {
  Probe mainProbe, popupProbe;
  HWND main = MakePopup(mainProbe, {0, 0, 320, 240});
  HWND popup = MakePopup(popupProbe, {0, 0, 50, 50}, main);
  EXPECT_EQ(win::WindowManager::Get().active, popup);
  std::vector<WPARAM> states;
  for (const Logged& l : mainProbe.log)
    if (l.message == WM_ACTIVATE) states.push_back(l.wParam);
  EXPECT_EQ(states, (std::vector<WPARAM>{WA_ACTIVE, WA_INACTIVE}));
  DestroyWindow(popup);
  EXPECT_EQ(win::WindowManager::Get().active, main);
  EXPECT_EQ(mainProbe.log.back().message, static_cast<UINT>(WM_SETFOCUS));
}

}  // namespace
}  // namespace win_test
