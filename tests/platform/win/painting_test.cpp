// Painting clipped to the update region, and the screen composed from the
// windows' surfaces.
#include <gtest/gtest.h>

#include "platform/gdi/wingdi.h"
#include "platform/win/window_manager.h"
#include "tests/platform/win/fake_host.h"
#include "tests/platform/win/probe_window.h"

namespace win_test {
namespace {

constexpr gdi::Pixel kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kBlack = 0;

void Fill(HDC dc, RECT r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOut(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// Reacts to WM_PAINT by filling the whole client area with `colour` through
// BeginPaint, which clips it to the update region.
auto Painter(COLORREF* colour) {
  return [colour](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    Fill(dc, {0, 0, 1000, 1000}, *colour);
    EndPaint(h, &ps);
    return 0;
  };
}

class PaintingTest : public WindowTest {
 protected:
  PaintingTest() { RegisterProbeClass(); }
  static void Settle() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    PresentNow();
  }
  static win::Window& Window(HWND hwnd) { return *win::WindowManager::Get().Find(hwnd); }
  static void PresentNow() {
    // The loop presents when it goes idle; a Get that finds nothing does so.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
};

TEST_F(PaintingTest, PaintReachesOnlyTheTwoInvalidRectanglesNotWhatLiesBetween) {
  Probe probe;
  COLORREF colour = RGB(255, 0, 0);
  probe.react = Painter(&colour);
  HWND hwnd = MakePopup(probe, {0, 0, 320, 240});
  Settle();
  ASSERT_EQ(Host().ShownAt(160, 120), kRed);

  colour = RGB(0, 0, 255);
  RECT left = {10, 10, 20, 20}, right = {100, 100, 110, 110};
  InvalidateRect(hwnd, &left, FALSE);
  InvalidateRect(hwnd, &right, FALSE);
  const RECT bounds = Window(hwnd).update.Bounds();
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(bounds.bottom, 110);
  Settle();
  EXPECT_EQ(Host().ShownAt(10, 10), kBlue);
  EXPECT_EQ(Host().ShownAt(19, 19), kBlue);
  EXPECT_EQ(Host().ShownAt(105, 105), kBlue);
  EXPECT_EQ(Host().ShownAt(50, 50), kRed);  // inside the bounding box, between the two
  EXPECT_EQ(Host().ShownAt(20, 20), kRed);
  EXPECT_EQ(Host().ShownAt(110, 109), kRed);
  EXPECT_TRUE(Window(hwnd).update.IsEmpty());
}

TEST_F(PaintingTest, EraseComesFirstOnlyWhenAsked) {
  Probe probe;
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10});
  Settle();
  probe.log.clear();
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  EXPECT_EQ(probe.Messages(WM_ERASEBKGND, WM_PAINT), (std::vector<UINT>{WM_PAINT}));
  probe.log.clear();
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(probe.Messages(WM_ERASEBKGND, WM_PAINT), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  probe.log.clear();
  UpdateWindow(hwnd);  // nothing invalid: nothing sent
  EXPECT_TRUE(probe.log.empty());
}

TEST_F(PaintingTest, ChildOverParentAndPopupOverMainWindow) {
  Probe mainProbe, childProbe, popupProbe;
  COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
  mainProbe.react = Painter(&red);
  childProbe.react = Painter(&green);
  popupProbe.react = Painter(&blue);
  HWND main = MakePopup(mainProbe, {0, 0, 320, 240});
  MakeChild(childProbe, main, {10, 10, 110, 110});
  HWND popup = MakePopup(popupProbe, {50, 50, 150, 150}, main);
  Settle();
  EXPECT_EQ(Host().ShownAt(5, 5), kRed);
  EXPECT_EQ(Host().ShownAt(20, 20), kGreen);
  EXPECT_EQ(Host().ShownAt(60, 60), kBlue);  // over the child too
  EXPECT_EQ(Host().ShownAt(149, 149), kBlue);
  EXPECT_EQ(Host().ShownAt(200, 200), kRed);

  // Closing the popup uncovers what the main window and child drew, unrepainted.
  int paintsBefore = mainProbe.Count(WM_PAINT) + childProbe.Count(WM_PAINT);
  DestroyWindow(popup);
  Settle();
  EXPECT_EQ(Host().ShownAt(60, 60), kGreen);
  EXPECT_EQ(Host().ShownAt(140, 140), kRed);
  EXPECT_EQ(mainProbe.Count(WM_PAINT) + childProbe.Count(WM_PAINT), paintsBefore);
}

TEST_F(PaintingTest, ChildIsClippedToItsParent) {
  Probe parentProbe, childProbe;
  COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0);
  parentProbe.react = Painter(&red);
  childProbe.react = Painter(&green);
  HWND parent = MakePopup(parentProbe, {100, 100, 150, 150});
  MakeChild(childProbe, parent, {40, 40, 100, 100});
  Settle();
  EXPECT_EQ(Host().ShownAt(149, 149), kGreen);
  EXPECT_EQ(Host().ShownAt(150, 150), kBlack);
}

TEST_F(PaintingTest, UnchangedScreenIsNotPresentedAgain) {
  Probe probe;
  COLORREF red = RGB(255, 0, 0);
  probe.react = Painter(&red);
  HWND hwnd = MakePopup(probe, {0, 0, 320, 240});
  Settle();
  int presents = Host().presents;
  Settle();
  Settle();
  EXPECT_EQ(Host().presents, presents);
  HDC dc = GetDC(hwnd);  // drawing outside a paint shows too
  Fill(dc, {0, 0, 5, 5}, RGB(0, 0, 255));
  ReleaseDC(hwnd, dc);
  Settle();
  EXPECT_EQ(Host().presents, presents + 1);
  EXPECT_EQ(Host().ShownAt(0, 0), kBlue);
}

TEST_F(PaintingTest, HiddenWindowGetsNoPaintAndShowingRepaintsIt) {
  Probe probe;
  HWND hwnd = MakePopup(probe, {0, 0, 10, 10}, nullptr, WS_POPUP);
  Settle();
  EXPECT_EQ(probe.Count(WM_PAINT), 0);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  ShowWindow(hwnd, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  Settle();
  EXPECT_EQ(probe.Count(WM_PAINT), 1);
}

TEST_F(PaintingTest, MoveWindowResizesTheSurfaceAndSendsSize) {
  Probe probe;
  COLORREF red = RGB(255, 0, 0);
  probe.react = Painter(&red);
  HWND hwnd = MakePopup(probe, {0, 0, 0, 0});
  MoveWindow(hwnd, 20, 30, 40, 50, TRUE);
  ASSERT_EQ(probe.Count(WM_SIZE), 1);
  EXPECT_EQ(LOWORD(probe.log.back().lParam), 40);
  EXPECT_EQ(HIWORD(probe.log.back().lParam), 50);
  Settle();
  EXPECT_EQ(Host().ShownAt(20, 30), kRed);
  EXPECT_EQ(Host().ShownAt(59, 79), kRed);
  EXPECT_EQ(Host().ShownAt(60, 80), kBlack);
}

}  // namespace
}  // namespace win_test
