#include "tests/platform/gdi/gdi_fixture.h"

namespace gdi_test {
namespace {

class DrawTest : public GdiTest {
 protected:
  HDC Canvas() {
    HDC dc = MakeDC(10, 10);
    Fill(dc, {0, 0, 10, 10}, kWhite);
    return dc;
  }
  HPEN RedPen(HDC dc) {
    HPEN pen = Own(CreatePen(PS_SOLID, 1, kRed));
    SelectObject(dc, pen);
    return pen;
  }
};

TEST_F(DrawTest, FillRectCoversRightAndBottomExclusive) {
  HDC dc = Canvas();
  Fill(dc, {2, 3, 5, 4}, kRed);
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kRed), 3);
  EXPECT_EQ(GetPixel(dc, 5, 3), kWhite);
  Fill(dc, {-5, -5, 1, 1}, kBlue);  // partly off the bitmap
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kBlue), 1);
  Fill(dc, {6, 6, 4, 8}, kBlue);  // inverted: nothing
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kBlue), 1);
}

TEST_F(DrawTest, LineToLeavesOutTheEndPointInEachDirection) {
  HDC dc = Canvas();
  RedPen(dc);
  MoveToEx(dc, 1, 1, nullptr);
  LineTo(dc, 5, 1);  // x 1..4
  LineTo(dc, 5, 4);  // y 1..3 at x 5
  LineTo(dc, 2, 4);  // x 5..3 at y 4
  LineTo(dc, 2, 2);  // y 4..3 at x 2
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kRed), 4 + 3 + 3 + 2);
  EXPECT_EQ(GetPixel(dc, 1, 1), kRed);
  EXPECT_EQ(GetPixel(dc, 2, 4), kRed);    // drawn as the start of the last line
  EXPECT_EQ(GetPixel(dc, 2, 2), kWhite);  // the last end point
  POINT at{};
  MoveToEx(dc, 0, 0, &at);
  EXPECT_EQ(at.x, 2);
  EXPECT_EQ(at.y, 2);
}

TEST_F(DrawTest, FarLineEndsAreFine) {
  HDC dc = Canvas();
  RedPen(dc);
  MoveToEx(dc, -100000, 5, nullptr);
  LineTo(dc, 100000, 5);  // far ends are fine
  EXPECT_EQ(Count(dc, {0, 5, 10, 6}, kRed), 10);
}

TEST_F(DrawTest, ColoursOnMonoBitmapsTakeTheNearerOfBlackAndWhite) {
  HDC mono = MakeDC(3, 1, 1);
  SetPixel(mono, 0, 0, RGB(200, 200, 200));
  SetPixel(mono, 1, 0, RGB(100, 100, 100));
  Fill(mono, {2, 0, 3, 1}, RGB(255, 255, 0));
  EXPECT_EQ(Row(mono, 0, 0, 3), (std::vector<COLORREF>{kWhite, kBlack, kWhite}));
}

TEST_F(DrawTest, PixelsOutsideTheBitmapAreInvalid) {
  HDC dc = Canvas();
  EXPECT_EQ(GetPixel(dc, 10, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(dc, 0, 10, kRed), CLR_INVALID);
  EXPECT_EQ(SetPixel(dc, 9, 9, kRed), kRed);
}

}  // namespace
}  // namespace gdi_test
