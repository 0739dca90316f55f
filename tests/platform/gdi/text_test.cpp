#include <algorithm>
#include <string>

#include "platform/gdi/surface_dc.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace gdi_test {
namespace {

constexpr wchar_t kLabel[] = L"\uC9C0\uCD9C\uC785\uB825";  // 지출입력

// Text on a red canvas in the 14-pixel bold face: white ink, blue cells.
class TextTest : public GdiTest {
 protected:
  void SetUp() override {
    dc = MakeDC(160, 80);
    Fill(dc, {0, 0, 160, 80}, kRed);
    font = Own(
        CreateFont(14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Gulim"));
    SelectObject(dc, font);
    SetTextColor(dc, kWhite);
    SetBkColor(dc, kBlue);
    SetBkMode(dc, OPAQUE);
  }

  SIZE Extent(const wchar_t* text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32(dc, text, static_cast<int>(std::wcslen(text)), &size));
    return size;
  }

  // The bounding box of every pixel that is no longer the canvas red.
  RECT Touched() {
    RECT box{160, 80, 0, 0};
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 160; ++x)
        if (GetPixel(dc, x, y) != kRed) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x + 1);
          box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return box;
  }

  static void ExpectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
  }

  HDC dc = nullptr;
  HFONT font = nullptr;
};

TEST_F(TextTest, ExtentsGrowWithTheText) {
  const SIZE one = Extent(L"\uAC00");
  const SIZE two = Extent(L"\uAC00\uB098");
  const SIZE three = Extent(L"\uAC00\uB098\uB2E4");
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(two.cx, one.cx);
  EXPECT_GT(three.cx, two.cx);
  EXPECT_EQ(Extent(L"").cx, 0);
  EXPECT_GT(Extent(L"12345").cx, Extent(L"1").cx);
}

TEST_F(TextTest, SingleLineAlignmentPlacesTheCellByTheRules) {
  const SIZE size = Extent(kLabel);
  const RECT box{10, 10, 140, 60};
  const struct {
    UINT format;
    LONG x, y;
  } cases[] = {
      {DT_LEFT | DT_TOP, 10, 10},
      {DT_CENTER | DT_TOP, (10 + 140 - size.cx) / 2, 10},
      {DT_RIGHT | DT_TOP, 140 - size.cx, 10},
      {DT_LEFT | DT_VCENTER, 10, 10 + 50 / 2 - size.cy / 2},
      {DT_CENTER | DT_VCENTER, (10 + 140 - size.cx) / 2, 10 + 50 / 2 - size.cy / 2},
      {DT_RIGHT | DT_BOTTOM, 140 - size.cx, 60 - size.cy},
  };
  for (const auto& c : cases) {
    Fill(dc, {0, 0, 160, 80}, kRed);
    RECT rect = box;
    const int result = DrawText(dc, kLabel, -1, &rect, c.format | DT_SINGLELINE);
    SCOPED_TRACE(testing::Message() << "format " << c.format);
    EXPECT_EQ(result, c.y + size.cy - 10);  // from the top to the text's bottom
    ExpectRect(Touched(), {c.x, c.y, c.x + size.cx, c.y + size.cy});
  }
}

TEST_F(TextTest, OutputIsClippedToTheRectangleUnlessNoClip) {
  const SIZE size = Extent(kLabel);
  RECT small{20, 20, 40, 26};
  DrawText(dc, kLabel, -1, &small, DT_LEFT | DT_SINGLELINE);
  ExpectRect(Touched(), small);
  Fill(dc, {0, 0, 160, 80}, kRed);
  DrawText(dc, kLabel, -1, &small, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
  ExpectRect(Touched(), {20, 20, 20 + size.cx, 20 + size.cy});
}

TEST_F(TextTest, SystemClipAlsoLimitsText) {
  gdi::SetSystemClip(dc, {{0, 0, 30, 80}});
  RECT rect{10, 10, 150, 70};
  DrawText(dc, kLabel, -1, &rect, DT_LEFT | DT_SINGLELINE);
  gdi::SetSystemClip(dc, {{0, 0, 160, 80}});  // so every pixel reads back
  EXPECT_EQ(Touched().right, 30);
}

TEST_F(TextTest, TransparentModeDrawsOnlyInkInTheTextColourInsideTheCell) {
  SetBkMode(dc, TRANSPARENT);
  const SIZE size = Extent(kLabel);
  TextOut(dc, 5, 7, kLabel, static_cast<int>(std::wcslen(kLabel)));
  EXPECT_EQ(Count(dc, {0, 0, 160, 80}, kBlue), 0);
  const RECT ink = Touched();
  EXPECT_GE(ink.left, 5);
  EXPECT_GE(ink.top, 7);
  EXPECT_LE(ink.right, 5 + size.cx);
  EXPECT_LE(ink.bottom, 7 + size.cy);
  EXPECT_GT(Count(dc, {0, 0, 160, 80}, kWhite), 20);  // solid strokes of a bold face
}

TEST_F(TextTest, TextOutFillsTheCellAtTheTopLeftPointInOpaqueMode) {
  const SIZE size = Extent(L"123");
  ASSERT_TRUE(TextOut(dc, 30, 40, L"123", 3));
  ExpectRect(Touched(), {30, 40, 30 + size.cx, 40 + size.cy});
}

TEST_F(TextTest, ExtTextOutOpaqueFillsItsRectangleInAnyMode) {
  SetBkMode(dc, TRANSPARENT);
  const RECT rect{2, 3, 12, 9};
  ASSERT_TRUE(ExtTextOut(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
  EXPECT_EQ(Count(dc, {0, 0, 160, 80}, kBlue), 10 * 6);
  ExpectRect(Touched(), rect);
}

TEST_F(TextTest, TextOnAMonochromeBitmapDrawsNothingAndFailsNothing) {
  HDC mono = MakeDC(40, 20, 1);
  SelectObject(mono, font);
  SetBkMode(mono, TRANSPARENT);
  RECT rect{0, 0, 40, 20};
  EXPECT_GT(DrawText(mono, kLabel, -1, &rect, DT_SINGLELINE), 0);
  EXPECT_EQ(Count(mono, rect, kBlack), 40 * 20);
}

}  // namespace
}  // namespace gdi_test
