#include "platform/win/update_region.h"

#include <gtest/gtest.h>

namespace win {
namespace {

long Area(const std::vector<RECT>& rects) {
  long area = 0;
  for (const RECT& r : rects) area += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
  return area;
}

TEST(UpdateRegionTest, OverlappingRectanglesAreStoredDisjoint) {
  UpdateRegion region;
  region.Add({0, 0, 10, 10});
  region.Add({5, 5, 15, 15});
  region.Add({2, 2, 4, 4});  // already covered
  EXPECT_EQ(Area(region.Rects()), 100 + 100 - 25);
  RECT b = region.Bounds();
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.right, 15);
  EXPECT_EQ(b.bottom, 15);
}

TEST(UpdateRegionTest, SubtractingCutsAHoleAndEmptyRectanglesAreIgnored) {
  UpdateRegion region;
  region.Add({0, 0, 10, 10});
  region.Add({5, 5, 5, 9});
  region.Subtract({3, 3, 6, 6});
  EXPECT_EQ(Area(region.Rects()), 100 - 9);
  region.Subtract({-5, -5, 50, 50});
  EXPECT_TRUE(region.IsEmpty());
  EXPECT_EQ(region.Bounds().right, 0);
}

}  // namespace
}  // namespace win
