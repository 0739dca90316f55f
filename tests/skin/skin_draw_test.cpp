#include "resources/resource_ids.h"
#include "skin/skin_bitmap.h"
#include "tests/skin/skin_fixture.h"

namespace skin_test {
namespace {

class SkinDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(strip.LoadFromResource(IDB_DAY_MARKERS, 12, 0, kKey));  // 28 x 14, cells 12 x 14
    ASSERT_TRUE(mixed.LoadFromResource(500, 2, 0, kKey));               // 4 x 2, cells 2 x 2
  }
  CSkinBitmap strip;
  CSkinBitmap mixed;
};

TEST_F(SkinDrawTest, OnlyCellsWhollyInsideTheBitmapAreDrawn) {
  Target target(40, 20, kBlue);
  EXPECT_TRUE(strip.DrawCell(&target.dc, {0, 0}, 0, 0, 0));
  EXPECT_TRUE(strip.DrawCell(&target.dc, {0, 0}, 1, 0, 0));
  EXPECT_FALSE(strip.DrawCell(&target.dc, {0, 0}, 2, 0, 0));  // 3 x 12 > 28
  EXPECT_FALSE(strip.DrawCell(&target.dc, {0, 0}, 0, 1, 0));
  EXPECT_FALSE(strip.DrawCell(&target.dc, {0, 0}, -1, 0, 0));
  EXPECT_FALSE(strip.DrawCell(&target.dc, {0, 0}, 0x7FFFFFFF, 0, 0));
  EXPECT_FALSE(strip.DrawStripCell(&target.dc, 2, {0, 0}, 1));
}

TEST_F(SkinDrawTest, OpaqueCopiesTheCellIncludingKeyPixels) {
  Target target(40, 20, kBlue);
  ASSERT_TRUE(strip.DrawStripCell(&target.dc, 0, {3, 4}, 0));
  EXPECT_EQ(target.CountOther({3, 4, 15, 18}, kKey), 0);
  EXPECT_EQ(target.CountOther(kBlue), 12 * 14);
}

TEST_F(SkinDrawTest, TransparentCellOfOnlyKeyColourLeavesTheTargetUnchanged) {
  Target target(40, 20, kBlue);
  target.dc.FillSolidRect(0, 0, 6, 20, kRed);  // mixed background
  ASSERT_TRUE(strip.DrawCell(&target.dc, {0, 0}, 0, 0, 1));
  EXPECT_EQ(target.CountOther({0, 0, 6, 20}, kRed), 0);
  EXPECT_EQ(target.CountOther({6, 0, 40, 20}, kBlue), 0);
}

TEST_F(SkinDrawTest, TransparentCellWithoutKeyColourIsCopiedWhole) {
  Target target(40, 20, kBlue);
  ASSERT_TRUE(strip.DrawCell(&target.dc, {5, 2}, 1, 0, 1));
  EXPECT_EQ(target.CountOther({5, 2, 17, 16}, kStripCell1), 0);
  EXPECT_EQ(target.CountOther(kBlue), 12 * 14);
}

TEST_F(SkinDrawTest, TransparentDrawingKeepsTargetUnderKeyPixelsAndItsColours) {
  Target target(4, 4, kBlue);
  ASSERT_TRUE(mixed.DrawCell(&target.dc, {1, 1}, 0, 0, 1));
  // Cell 0: key, red / white, key.
  EXPECT_EQ(target.dc.GetPixel(1, 1), kBlue);
  EXPECT_EQ(target.dc.GetPixel(2, 1), kRed);
  EXPECT_EQ(target.dc.GetPixel(1, 2), kWhite);
  EXPECT_EQ(target.dc.GetPixel(2, 2), kBlue);
  EXPECT_EQ(target.CountOther(kBlue), 2);
  EXPECT_EQ(target.dc.GetBkColor(), RGB(1, 2, 3));
  EXPECT_EQ(target.dc.GetTextColor(), RGB(4, 5, 6));
}

TEST_F(SkinDrawTest, StripFlagOneIsTransparentAnythingElseOpaque) {
  Target transparent(12, 14, kBlue);
  Target opaque(12, 14, kBlue);
  EXPECT_TRUE(strip.DrawStripCellTransparent(&transparent.dc, 0, {0, 0}, 1));
  EXPECT_TRUE(strip.DrawStripCellTransparent(&opaque.dc, 0, {0, 0}, 2));
  EXPECT_EQ(transparent.CountOther(kBlue), 0);
  EXPECT_EQ(opaque.CountOther(kKey), 0);
}

TEST_F(SkinDrawTest, UnknownModeDrawsNothingButSucceeds) {
  Target target(12, 14, kBlue);
  EXPECT_TRUE(strip.DrawCell(&target.dc, {0, 0}, 1, 0, 3));
  EXPECT_TRUE(strip.DrawCell(&target.dc, {0, 0}, 1, 0, -1));
  EXPECT_EQ(target.CountOther(kBlue), 0);
}

TEST_F(SkinDrawTest, HalfBlendOfWhiteOverBlackGives127AndSkipsKeyPixels) {
  Target target(4, 4, kBlack);
  ASSERT_TRUE(mixed.DrawCell(&target.dc, {0, 0}, 1, 0, 2));  // all white
  EXPECT_EQ(target.CountOther({0, 0, 2, 2}, RGB(127, 127, 127)), 0);
  Target keyed(4, 4, kBlack);
  ASSERT_TRUE(mixed.DrawCell(&keyed.dc, {0, 0}, 0, 0, 2));
  EXPECT_EQ(keyed.dc.GetPixel(0, 0), kBlack);              // key: unchanged
  EXPECT_EQ(keyed.dc.GetPixel(1, 0), RGB(127, 0, 0));      // red over black
  EXPECT_EQ(keyed.dc.GetPixel(0, 1), RGB(127, 127, 127));  // white over black
  EXPECT_EQ(keyed.dc.GetBkColor(), RGB(1, 2, 3));
}

TEST_F(SkinDrawTest, OtherPercentagesWeighTheSkinAndTruncate) {
  const struct {
    int percentage;
    BYTE expected;
  } cases[] = {{25, 63}, {75, 191}, {0, 0}, {100, 255}, {150, 255}, {-20, 0}};
  for (const auto& c : cases) {
    Target target(2, 2, kBlack);
    mixed.DrawCellBlend(&target.dc, {0, 0}, 1, 0, c.percentage);
    EXPECT_EQ(target.dc.GetPixel(1, 1), RGB(c.expected, c.expected, c.expected)) << c.percentage;
  }
  Target grey(2, 2, RGB(100, 100, 100));
  mixed.DrawCellBlend(&grey.dc, {0, 0}, 1, 0, 40);  // 255 * 0.4 + 100 * 0.6 = 162
  EXPECT_EQ(grey.dc.GetPixel(0, 0), RGB(162, 162, 162));
}

TEST_F(SkinDrawTest, CellsPartlyOffTheTargetDrawTheirInsidePart) {
  Target target(10, 10, kBlue);
  EXPECT_TRUE(strip.DrawCell(&target.dc, {-6, 5}, 1, 0, 1));
  EXPECT_TRUE(strip.DrawCell(&target.dc, {-6, 5}, 1, 0, 2));
  EXPECT_EQ(target.CountOther({0, 5, 6, 10}, kBlue), 6 * 5);
  EXPECT_EQ(target.CountOther({6, 0, 10, 10}, kBlue), 0);
}

TEST_F(SkinDrawTest, CopyToDibSectionGivesBottomUpBlueGreenRedRows) {
  Target source(4, 4, kBlue);
  source.dc.SetPixel(1, 0, RGB(10, 20, 30));
  source.dc.SetPixel(2, 1, RGB(40, 50, 60));
  CDC memory;
  memory.CreateCompatibleDC(&source.dc);
  BYTE* bits = nullptr;
  CBitmap copy;
  copy.Attach(mixed.CopyToDibSection(&memory, &source.dc, 1, 0, &bits));  // 2 x 2 cell
  ASSERT_NE(bits, nullptr);
  // Rows are 6 bytes padded to 8; the bottom row comes first.
  const BYTE expectedTop[] = {30, 20, 10, 255, 0, 0};
  const BYTE expectedBottom[] = {255, 0, 0, 60, 50, 40};
  EXPECT_TRUE(std::equal(expectedBottom, expectedBottom + 6, bits));
  EXPECT_TRUE(std::equal(expectedTop, expectedTop + 6, bits + 8));
  EXPECT_EQ(GetCurrentObject(memory, OBJ_BITMAP), copy.m_hObject);
  memory.DeleteDC();
}

}  // namespace
}  // namespace skin_test
