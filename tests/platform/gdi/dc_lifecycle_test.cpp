#include <cstdint>

#include "platform/gdi/surface_dc.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace gdi_test {
namespace {

class DcLifecycleTest : public GdiTest {};

TEST_F(DcLifecycleTest, MemoryDCStartsWithOneMonoPixelAndDefaultState) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 1);
  EXPECT_EQ(info.bmHeight, 1);
  EXPECT_EQ(info.bmBitsPixel, 1);
  EXPECT_EQ(GetBkColor(dc), kWhite);
  EXPECT_EQ(GetTextColor(dc), kBlack);
  EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
  DeleteDC(dc);
}

TEST_F(DcLifecycleTest, SelectReturnsThePreviousObjectOfThatKind) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ stockBitmap = GetCurrentObject(dc, OBJ_BITMAP);
  HBITMAP first = MakeBitmap(2, 2, 32);
  HBITMAP second = MakeBitmap(3, 3, 32);
  EXPECT_EQ(SelectObject(dc, first), stockBitmap);
  EXPECT_EQ(SelectObject(dc, second), first);
  HGDIOBJ stockPen = GetCurrentObject(dc, OBJ_PEN);
  EXPECT_EQ(SelectObject(dc, Own(CreatePen(PS_SOLID, 1, kRed))), stockPen);
  EXPECT_EQ(SelectObject(dc, second), second);  // reselecting is harmless
  EXPECT_EQ(SelectObject(dc, stockBitmap), second);
  DeleteDC(dc);
}

TEST_F(DcLifecycleTest, SelectedObjectsCannotBeDeletedUntilReleased) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(GetObjectType(bitmap), OBJ_BITMAP);  // still alive and drawable
  EXPECT_NE(SetPixel(dc, 1, 1, kRed), CLR_INVALID);
  SelectObject(dc, previous);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_EQ(GetObjectType(bitmap), 0u);

  HBITMAP kept = CreateBitmap(2, 2, 1, 32, nullptr);
  SelectObject(dc, kept);
  DeleteDC(dc);  // a deleted DC releases what it held
  EXPECT_TRUE(DeleteObject(kept));
}

TEST_F(DcLifecycleTest, ABitmapLivesInOneDCAtATime) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = MakeBitmap(2, 2, 32);
  ASSERT_NE(SelectObject(a, bitmap), nullptr);
  EXPECT_EQ(SelectObject(b, bitmap), nullptr);
  DeleteDC(a);
  EXPECT_NE(SelectObject(b, bitmap), nullptr);
  DeleteDC(b);
}

TEST_F(DcLifecycleTest, StaleAndForgedHandlesAreRefused) {
  HBITMAP stale = CreateBitmap(2, 2, 1, 32, nullptr);
  ASSERT_TRUE(DeleteObject(stale));
  HBITMAP reused = MakeBitmap(4, 4, 32);  // may take the same slot
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(dc, stale), nullptr);
  EXPECT_FALSE(DeleteObject(stale));
  EXPECT_EQ(GetObjectType(reused), OBJ_BITMAP);
  HGDIOBJ forged = reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0xDEADBEEF));
  EXPECT_EQ(SelectObject(dc, forged), nullptr);
  EXPECT_EQ(GetBkColor(reinterpret_cast<HDC>(forged)), CLR_INVALID);
  EXPECT_FALSE(BitBlt(reinterpret_cast<HDC>(forged), 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
  // A bitmap handle is not a DC, nor a DC a bitmap.
  EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(reused)));
  EXPECT_FALSE(DeleteObject(dc));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
}

TEST_F(DcLifecycleTest, StockObjectsSurviveDeletion) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ stockBitmap = GetCurrentObject(dc, OBJ_BITMAP);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(stockBitmap));
  EXPECT_EQ(GetObjectType(stockBitmap), OBJ_BITMAP);
  dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), stockBitmap);
  DeleteDC(dc);
}

TEST_F(DcLifecycleTest, SurfaceDCDrawsOnTheSurfaceWithoutOwningIt) {
  HBITMAP surface = gdi::CreateDeviceBitmap(4, 4);
  HDC dc = gdi::CreateSurfaceDC(surface);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetObjectType(dc), OBJ_DC);
  EXPECT_EQ(SelectObject(dc, MakeBitmap(2, 2, 32)), nullptr);
  EXPECT_FALSE(DeleteObject(surface));  // the DC still draws on it
  SetPixel(dc, 3, 3, kBlue);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(gdi::BitmapSurface(surface).Row(3)[3], 0x0000FFu);
  EXPECT_TRUE(DeleteObject(surface));
  EXPECT_EQ(gdi::CreateSurfaceDC(MakeBitmap(2, 2, 1)), nullptr);
}

}  // namespace
}  // namespace gdi_test
