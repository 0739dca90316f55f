// The generator's primitives against pixel counts and colours worked out by
// hand.
#include <gtest/gtest.h>

#include "tools/skingen/canvas.h"

namespace {

using skingen::Canvas;
using skingen::MakeImage;
using skingen::RoundRect;

int CountOf(const res::Image& image, gdi::Pixel color) {
  int count = 0;
  for (gdi::Pixel p : image.pixels) count += p == color;
  return count;
}

TEST(RoundRect, CornersAreCutByTheRadius) {
  const RoundRect square{{0, 0, 10, 8}, 0};
  EXPECT_TRUE(square.Contains(0, 0));
  EXPECT_TRUE(square.Contains(9, 7));
  EXPECT_FALSE(square.Contains(10, 0));
  const RoundRect round{{0, 0, 10, 8}, 3};
  EXPECT_FALSE(round.Contains(0, 0));  // centre (0.5, 0.5) lies 2.5 * sqrt(2) = 3.54 from (3, 3)
  EXPECT_TRUE(round.Contains(1, 1));   // centre (1.5, 1.5) lies 1.5 * sqrt(2) = 2.12 from it
  EXPECT_TRUE(round.Contains(3, 0));
  EXPECT_TRUE(round.Contains(0, 3));
  EXPECT_FALSE(round.Contains(9, 7));
  EXPECT_TRUE(round.Contains(5, 4));
}

TEST(RoundRect, InsetShrinksBoxAndRadiusTogether) {
  const RoundRect inner = RoundRect{{2, 2, 20, 12}, 4}.Inset(1);
  EXPECT_EQ(inner.box.left, 3);
  EXPECT_EQ(inner.box.bottom, 11);
  EXPECT_EQ(inner.radius, 3);
  EXPECT_EQ(RoundRect({{0, 0, 8, 8}, 1}).Inset(2).radius, 0);
}

TEST(Gradient, RunsFromTopColourToBottomColour) {
  const skingen::Gradient g{skingen::Rgb(0, 100, 200), skingen::Rgb(100, 0, 200)};
  EXPECT_EQ(skingen::GradientAt(g, 10, 15, 10), skingen::Rgb(0, 100, 200));
  EXPECT_EQ(skingen::GradientAt(g, 10, 15, 14), skingen::Rgb(100, 0, 200));
  EXPECT_EQ(skingen::GradientAt(g, 10, 15, 12), skingen::Rgb(50, 50, 200));
  EXPECT_EQ(skingen::GradientAt(g, 10, 11, 10), skingen::Rgb(0, 100, 200));  // one row: the top
}

TEST(Bevel, LightsTopLeftAndShadesBottomRightOfASquare) {
  res::Image image = MakeImage(6, 5, 0);
  Canvas canvas(image);
  skingen::FillShape(canvas, {{0, 0, 6, 5}, 0}, 7);
  skingen::Bevel(canvas, {{0, 0, 6, 5}, 0}, 1, 2);
  EXPECT_EQ(CountOf(image, 1), 6 + 4);  // top row and left column
  EXPECT_EQ(CountOf(image, 2), 5 + 3);  // the rest of bottom row and right column
  EXPECT_EQ(CountOf(image, 7), 30 - 10 - 8);
}

TEST(FillTriangle, CoversThePixelsWhoseCentresAreInside) {
  res::Image image = MakeImage(8, 8, 0);
  Canvas canvas(image);
  // Right triangle (0,0)-(4,0)-(0,4): rows hold 4, 3, 2, 1 pixel centres.
  skingen::FillTriangle(canvas, {0, 0}, {4, 0}, {0, 4}, 1);
  EXPECT_EQ(CountOf(image, 1), 4 + 3 + 2 + 1);
  EXPECT_EQ(image.pixels[3 * 8 + 0], 1u);
  EXPECT_EQ(image.pixels[3 * 8 + 1], 0u);
}

TEST(FillDisc, IsSymmetricAndHardEdged) {
  res::Image image = MakeImage(12, 12, 0);
  Canvas canvas(image);
  skingen::FillDisc(canvas, 6, 6, 3, 5);
  // Centres within 3 of (6, 6): rows 0.5 and 1.5 away span 6 pixels
  // (2.5^2 + 1.5^2 = 8.5 <= 9), the row 2.5 away spans 4 (2.5^2 + 2.5^2 > 9).
  EXPECT_EQ(CountOf(image, 5), 2 * (6 + 6 + 4));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      EXPECT_EQ(image.pixels[y * 12 + x], image.pixels[y * 12 + (11 - x)]) << x << "," << y;
}

TEST(FillArc, AngleRangesDoNotWrapIntoEachOther) {
  res::Image image = MakeImage(21, 21, 0);
  Canvas canvas(image);
  skingen::FillArc(canvas, 10.5, 10.5, 7, 10, 180, 220, 1);
  skingen::FillArc(canvas, 10.5, 10.5, 7, 10, 224, 360, 2);
  EXPECT_EQ(image.pixels[10 * 21 + 1], 1u);   // due left: 180 degrees
  EXPECT_EQ(image.pixels[1 * 21 + 10], 2u);   // straight up: 270 degrees
  EXPECT_EQ(image.pixels[19 * 21 + 10], 0u);  // straight down: 90 degrees, in neither
  EXPECT_EQ(image.pixels[10 * 21 + 10], 0u);  // inside the inner radius
}

}  // namespace
