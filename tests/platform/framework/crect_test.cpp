#include "platform/framework/crect.h"

#include <gtest/gtest.h>

namespace {

TEST(CRectTest, SizesAndCornersFollowExclusiveEdges) {
  const CRect rect(10, 20, 110, 60);
  EXPECT_EQ(rect.Width(), 100);
  EXPECT_EQ(rect.Height(), 40);
  EXPECT_EQ(rect.TopLeft(), CPoint(10, 20));
  EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
  EXPECT_TRUE(rect.PtInRect(CPoint(109, 59)));
  EXPECT_FALSE(rect.PtInRect(CPoint(110, 30)));
  EXPECT_FALSE(rect.PtInRect(CPoint(50, 60)));
  EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}

TEST(CRectTest, EmptyMeansNoArea) {
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 4, 9).IsRectEmpty());
  EXPECT_FALSE(CRect(5, 5, 6, 6).IsRectEmpty());
}

TEST(CRectTest, InflateAndDeflateMoveTheEdges) {
  CRect rect(10, 10, 20, 20);
  rect.DeflateRect(2, 3);
  EXPECT_EQ(rect, CRect(12, 13, 18, 17));
  rect.InflateRect(1, 1);
  EXPECT_EQ(rect, CRect(11, 12, 19, 18));
}

TEST(CRectTest, UnionIgnoresEmptyRects) {
  CRect result;
  EXPECT_TRUE(result.UnionRect(CRect(0, 0, 2, 2), CRect(5, 6, 7, 8)));
  EXPECT_EQ(result, CRect(0, 0, 7, 8));
  EXPECT_TRUE(result.UnionRect(CRect(50, 50, 50, 80), CRect(5, 6, 7, 8)));
  EXPECT_EQ(result, CRect(5, 6, 7, 8));
  EXPECT_FALSE(result.UnionRect(CRect(1, 1, 1, 1), CRect(3, 3, 2, 2)));
  EXPECT_EQ(result, CRect());
  EXPECT_EQ(CRect(0, 0, 2, 2) | CRect(5, 5, 5, 9), CRect(0, 0, 2, 2));
}

}  // namespace
