#include <numeric>

#include "platform/gdi/rect_list.h"
#include "platform/gdi/surface_dc.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace gdi_test {
namespace {

long long AreaOf(const gdi::RectList& rects) {
  return std::accumulate(rects.begin(), rects.end(), 0LL, [](long long sum, const RECT& r) {
    return sum + static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
  });
}

TEST(RectListTest, NormaliseRemovesOverlapAndEmptyPieces) {
  const RECT rects[] = {{0, 0, 10, 10}, {5, 5, 15, 15}, {2, 2, 4, 4}, {20, 20, 20, 30}};
  const gdi::RectList disjoint = gdi::Normalise(rects);
  EXPECT_EQ(AreaOf(disjoint), 100 + 100 - 25);
  for (std::size_t i = 0; i < disjoint.size(); ++i)
    for (std::size_t j = i + 1; j < disjoint.size(); ++j)
      EXPECT_TRUE(gdi::IsEmptyRect(gdi::IntersectRects(disjoint[i], disjoint[j])));
  const RECT box = gdi::BoundingBox(disjoint);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.bottom, 15);
}

TEST(RectListTest, IntersectionKeepsOnlyCommonPixels) {
  const gdi::RectList a{{0, 0, 10, 10}, {20, 0, 30, 10}};
  const gdi::RectList b{{5, 5, 25, 8}};
  const gdi::RectList both = gdi::Intersect(a, b);
  EXPECT_EQ(AreaOf(both), 5 * 3 + 5 * 3);
}

class ClipTest : public GdiTest {};

TEST_F(ClipTest, BlitIsClippedToDestinationAndSourceBounds) {
  HDC source = MakeDC(4, 4);
  Fill(source, {0, 0, 4, 4}, kRed);
  HDC dest = MakeDC(6, 6);
  Fill(dest, {0, 0, 6, 6}, kWhite);
  // Asks for 10 x 10 at (-2, 3) from (0, 0): only source columns 2-3 and
  // rows 0-2 land, at x 0-1, y 3-5.
  ASSERT_TRUE(BitBlt(dest, -2, 3, 10, 10, source, 0, 0, SRCCOPY));
  EXPECT_EQ(Count(dest, {0, 0, 6, 6}, kRed), 2 * 3);
  EXPECT_EQ(Count(dest, {0, 3, 2, 6}, kRed), 6);
  // A source position off the source bitmap copies only the part inside.
  Fill(dest, {0, 0, 6, 6}, kWhite);
  BitBlt(dest, 0, 0, 4, 4, source, -1, 3, SRCCOPY);
  EXPECT_EQ(Count(dest, {0, 0, 6, 6}, kRed), 3 * 1);
  EXPECT_EQ(Count(dest, {1, 0, 4, 1}, kRed), 3);
}

TEST_F(ClipTest, SystemClipOfOverlappingRectsTouchesEachPixelOnce) {
  HBITMAP surface = Own(gdi::CreateDeviceBitmap(10, 10));
  HDC dc = gdi::CreateSurfaceDC(surface);
  HDC source = MakeDC(10, 10);
  Fill(source, {0, 0, 10, 10}, kWhite);
  gdi::SetSystemClip(dc, {{0, 0, 6, 6}, {3, 3, 9, 9}});
  BitBlt(dc, 0, 0, 10, 10, source, 0, 0, SRCINVERT);  // twice would cancel out
  DeleteDC(dc);  // a fresh surface DC, as the next paint gets, has no system clip
  dc = gdi::CreateSurfaceDC(surface);
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kWhite), 36 + 36 - 9);
  EXPECT_EQ(GetPixel(dc, 4, 4), kWhite);
  DeleteDC(dc);
}

TEST_F(ClipTest, SystemClipLimitsDrawingAndEmptyDrawsNothing) {
  HBITMAP surface = Own(gdi::CreateDeviceBitmap(10, 10));
  HDC dc = gdi::CreateSurfaceDC(surface);
  gdi::SetSystemClip(dc, {{0, 0, 5, 5}});
  Fill(dc, {0, 0, 10, 10}, kRed);
  gdi::SetSystemClip(dc, {});
  Fill(dc, {0, 0, 10, 10}, kBlue);  // an empty system clip draws nothing
  DeleteDC(dc);
  dc = gdi::CreateSurfaceDC(surface);
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kRed), 25);
  EXPECT_EQ(Count(dc, {0, 0, 10, 10}, kBlue), 0);
  DeleteDC(dc);
}

}  // namespace
}  // namespace gdi_test
