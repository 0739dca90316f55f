// Composes a test screen the way the program's screens are drawn (a
// background, Korean labels centred in their rectangles, a colour-keyed
// cell) and writes it as composed_screen.png for a person to look at.
#include <gtest/gtest.h>

#include "platform/gdi/surface_dc.h"
#include "platform/res/png_codec.h"
#include "skin/skin_bitmap.h"
#include "tests/skin/skin_fixture.h"

namespace skin_test {
namespace {

TEST(ScreenCompositionTest, BackgroundLabelsAndAKeyedCell) {
  Target screen(320, 240, RGB(28, 44, 84));
  screen.dc.FillSolidRect(0, 0, 320, 36, RGB(12, 20, 48));
  CFont bold;
  ASSERT_TRUE(
      bold.CreateFont(14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Gulim"));
  CFont* oldFont = screen.dc.SelectObject(&bold);
  screen.dc.SetBkMode(TRANSPARENT);
  screen.dc.SetTextColor(RGB(255, 255, 255));
  CRect title(0, 0, 320, 36);
  screen.dc.DrawText(L"2026\uB144 12\uC6D4 \uC9C0\uCD9C \uAE30\uB85D", -1, title,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE);  // 2026년 12월 지출 기록

  const wchar_t* const labels[] = {L"\uC9C0\uCD9C\uC785\uB825", L"\uC6D4\uBCC4\uBAA9\uB85D",
                                   L"\uD655  \uC778"};  // 지출입력, 월별목록, 확  인
  for (int i = 0; i < 3; ++i) {
    CRect button(12 + i * 102, 196, 104 + i * 102, 228);
    screen.dc.FillSolidRect(button, RGB(70, 110, 170));
    screen.dc.DrawText(labels[i], -1, button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  CRect boxed(40, 60, 280, 90);
  screen.dc.FillSolidRect(boxed, RGB(240, 240, 232));
  screen.dc.SetTextColor(RGB(20, 20, 20));
  screen.dc.DrawText(L"\uC8FC\uC720  45.20 L  /  72,300 \uC6D0", -1, boxed,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE);  // 주유 45.20 L / 72,300 원
  screen.dc.SelectObject(oldFont);

  CSkinBitmap marker;  // a disc on the key colour
  ASSERT_TRUE(marker.LoadFromResource(2794, 24, 0, kKey));
  ASSERT_TRUE(marker.DrawCell(&screen.dc, CPoint(148, 120), 0, 0, 1));
  ASSERT_TRUE(marker.DrawCell(&screen.dc, CPoint(44, 70), 0, 0, 1));  // over the light box

  // The keyed cell left its key pixels alone and drew the others.
  EXPECT_EQ(screen.dc.GetPixel(148, 120), RGB(28, 44, 84));
  EXPECT_EQ(screen.dc.GetPixel(148 + 12, 120 + 12), RGB(250, 200, 40));
  EXPECT_EQ(screen.dc.GetPixel(44, 70), RGB(240, 240, 232));
  // Label ink landed inside the first button and nowhere below it.
  EXPECT_GT(screen.CountOther({12, 196, 104, 228}, RGB(70, 110, 170)), 30);
  EXPECT_EQ(screen.CountOther({0, 228, 320, 240}, RGB(28, 44, 84)), 0);

  ASSERT_TRUE(res::WritePngFile("composed_screen.png",
                                gdi::BitmapSurface(static_cast<HBITMAP>(screen.bitmap.m_hObject))));
}

}  // namespace
}  // namespace skin_test
