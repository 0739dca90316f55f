#include "resources/resource_ids.h"
#include "skin/skin_bitmap.h"

#include "tests/skin/skin_fixture.h"

namespace skin_test {
namespace {

constexpr UINT kStrip = IDB_DAY_MARKERS;  // 28 x 14
constexpr UINT kMixed = 500;              // 4 x 2
constexpr UINT kMissing = 999;

TEST(SkinBitmapTest, StartsEmpty) {
  CSkinBitmap skin;
  EXPECT_FALSE(skin.m_bLoaded);
  EXPECT_EQ(skin.m_nWidth, 0);
  EXPECT_EQ(skin.m_nCellWidth, 0);
  EXPECT_EQ(skin.m_crTransparent, 0u);
  EXPECT_EQ(skin.m_pOldBitmap, nullptr);
  EXPECT_EQ(skin.m_dcMem.m_hDC, nullptr);
}

TEST(SkinBitmapTest, CellHeightZeroTakesTheBitmapHeight) {
  CSkinBitmap skin;
  ASSERT_TRUE(skin.LoadFromResource(kStrip, 12, 0, kKey));
  EXPECT_TRUE(skin.m_bLoaded);
  EXPECT_EQ(skin.m_nWidth, 28);
  EXPECT_EQ(skin.m_nHeight, 14);
  EXPECT_EQ(skin.m_nCellWidth, 12);
  EXPECT_EQ(skin.m_nCellHeight, 14);
  EXPECT_EQ(skin.m_crTransparent, kKey);
  // The bitmap stays selected into the skin's own surface.
  EXPECT_EQ(GetCurrentObject(skin.m_dcMem, OBJ_BITMAP), skin.m_bitmap.m_hObject);
  EXPECT_EQ(skin.m_dcMem.GetPixel(12, 0), kStripCell1);
}

TEST(SkinBitmapTest, ZeroCellWidthRefusesAndLeavesTheSkinEmpty) {
  CSkinBitmap skin;
  EXPECT_FALSE(skin.LoadFromResource(kStrip, 0, 14, kKey));
  EXPECT_FALSE(skin.m_bLoaded);
  EXPECT_EQ(skin.m_dcMem.m_hDC, nullptr);
  EXPECT_EQ(skin.m_bitmap.m_hObject, nullptr);
}

TEST(SkinBitmapTest, ReloadReleasesTheFirstBitmap) {
  CSkinBitmap skin;
  ASSERT_TRUE(skin.LoadFromResource(kStrip, 12, 14, kKey));
  HGDIOBJ first = skin.m_bitmap.m_hObject;
  HDC firstDC = skin.m_dcMem.m_hDC;
  ASSERT_TRUE(skin.LoadFromResource(kMixed, 2, 0, kKey));
  EXPECT_EQ(GetObjectType(first), 0u);  // deleted
  EXPECT_EQ(GetObjectType(firstDC), 0u);
  EXPECT_EQ(skin.m_nWidth, 4);
  EXPECT_EQ(skin.m_nHeight, 2);
  EXPECT_EQ(skin.m_nCellHeight, 2);
}

TEST(SkinBitmapTest, ReleaseRestoresTheSurfaceAndDeletesEverything) {
  CSkinBitmap skin;
  ASSERT_TRUE(skin.LoadFromResource(kStrip, 12, 14, kKey));
  HGDIOBJ bitmap = skin.m_bitmap.m_hObject;
  skin.Release();
  EXPECT_FALSE(skin.m_bLoaded);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(skin.m_dcMem.m_hDC, nullptr);
  Target target(20, 20, kBlue);
  EXPECT_FALSE(skin.DrawCell(&target.dc, {0, 0}, 0, 0, 0));
  EXPECT_EQ(target.CountOther(kBlue), 0);
  skin.Release();  // twice is harmless
}

TEST(SkinBitmapTest, DestructionDeletesTheBitmapAndSurface) {
  HGDIOBJ bitmap = nullptr;
  HDC surface = nullptr;
  {
    CSkinBitmap skin;
    skin.LoadFromResource(kStrip, 12, 14, kKey);
    bitmap = skin.m_bitmap.m_hObject;
    surface = skin.m_dcMem.m_hDC;
  }
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(GetObjectType(surface), 0u);
}

TEST(SkinBitmapTest, MissingResourceLoadsAsZeroByZeroAndDrawsNothing) {
  CSkinBitmap skin;
  ASSERT_TRUE(skin.LoadFromResource(kMissing, 12, 0, kKey));
  EXPECT_TRUE(skin.m_bLoaded);
  EXPECT_EQ(skin.m_nWidth, 0);
  EXPECT_EQ(skin.m_nHeight, 0);
  Target target(20, 20, kBlue);
  EXPECT_FALSE(skin.DrawCell(&target.dc, {0, 0}, 0, 0, 0));
  ASSERT_TRUE(skin.LoadFromResource(kStrip, 12, 14, kKey));  // and reloads cleanly
  EXPECT_EQ(skin.m_nWidth, 28);
}

}  // namespace
}  // namespace skin_test
