#include "controls/list_layout.h"

#include <gtest/gtest.h>

namespace {

// 200 x 140 with a 28-pixel strip: arrows at y 0-27 and 112-139.
const ListLayout kLayout = LayoutList(200, 140, 28);

TEST(ListLayout, PenPointsFallOnRowsArrowsTrackOrNothing) {
  const struct {
    POINT point;
    ListArea area;
  } cases[] = {
      {{0, 0}, ListArea::kRows},
      {{171, 139}, ListArea::kRows},
      {{172, 0}, ListArea::kTopArrow},
      {{199, 27}, ListArea::kTopArrow},
      {{180, 28}, ListArea::kTrack},
      {{180, 111}, ListArea::kTrack},
      {{172, 112}, ListArea::kBottomArrow},
      {{200, 10}, ListArea::kOutside},
      {{-1, 10}, ListArea::kOutside},
      {{10, 140}, ListArea::kOutside},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HitTestList(kLayout, c.point), c.area) << c.point.x << ", " << c.point.y;
  EXPECT_EQ(RowAt(55, 3, 28), 4);
  EXPECT_EQ(RowAt(56, 3, 28), 5);
}

TEST(ListLayout, ThumbFollowsTheTopRowFromTheTopArrowToTheBottomArrow) {
  const struct {
    int top, count, y;
  } cases[] = {
      {0, 22, 28},   // first page
      {17, 22, 91},  // last page: 91 + 21 touches the bottom arrow
      {1, 22, 31},   // 63 / 17 truncated
      {0, 0, 28},    // empty
      {2, 3, 70},    // shorter than a page: spread over its rows
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ThumbPosition(kLayout, c.top, c.count, 5), CPoint(177, c.y))
        << c.top << " of " << c.count;
  }
}

}  // namespace
