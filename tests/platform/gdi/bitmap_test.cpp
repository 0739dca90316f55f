#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/surface_dc.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace gdi_test {
namespace {

class BitmapTest : public GdiTest {};

BITMAP InfoOf(HGDIOBJ bitmap) {
  BITMAP info{};
  EXPECT_EQ(GetObject(bitmap, sizeof(info), &info), static_cast<int>(sizeof(BITMAP)));
  return info;
}

TEST_F(BitmapTest, SizeQueryReportsEachFormatWithItsRowPadding) {
  const BITMAP mono = InfoOf(MakeBitmap(17, 3, 1));
  EXPECT_EQ(mono.bmWidth, 17);
  EXPECT_EQ(mono.bmHeight, 3);
  EXPECT_EQ(mono.bmBitsPixel, 1);
  EXPECT_EQ(mono.bmWidthBytes, 4);  // 17 bits round up to two 16-bit words

  const BITMAP dib = InfoOf(MakeBitmap(5, 2, 24));
  EXPECT_EQ(dib.bmBitsPixel, 24);
  EXPECT_EQ(dib.bmWidthBytes, 16);  // 15 bytes padded to 4
  EXPECT_NE(dib.bmBits, nullptr);

  const BITMAP device = InfoOf(MakeBitmap(7, 2, 32));
  EXPECT_EQ(device.bmWidthBytes, 28);
  EXPECT_EQ(device.bmBits, nullptr);
  EXPECT_EQ(device.bmPlanes, 1);
}

TEST_F(BitmapTest, SizeQueryWithoutBufferGivesTheSizeNeeded) {
  HBITMAP bitmap = MakeBitmap(2, 2, 32);
  EXPECT_EQ(GetObject(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
  BITMAP info{};
  EXPECT_EQ(GetObject(bitmap, 4, &info), 0);
}

TEST_F(BitmapTest, RejectsSizesAndFormatsItCannotHold) {
  EXPECT_EQ(CreateBitmap(0, 5, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(-3, 5, 1, 1, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(5, 5, 1, 8, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(5, 5, 2, 1, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 4, -4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = &info;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
}

TEST_F(BitmapTest, MonoBitsArePackedMostSignificantFirstInWordRows) {
  // Row 0: pixels 0 and 9 set; row 1: pixel 15 set.
  const BYTE bits[] = {0x80, 0x40, 0x00, 0x01};
  HBITMAP bitmap = Own(CreateBitmap(16, 2, 1, 1, bits));
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 0, 0), kWhite);
  EXPECT_EQ(GetPixel(dc, 1, 0), kBlack);
  EXPECT_EQ(GetPixel(dc, 9, 0), kWhite);
  EXPECT_EQ(GetPixel(dc, 15, 1), kWhite);
  EXPECT_EQ(GetPixel(dc, 14, 1), kBlack);
  DeleteDC(dc);
}

TEST_F(BitmapTest, DibSectionBytesAreBottomUpBlueGreenRed) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, 3, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = Own(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_NE(bits, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bitmap);
  SetPixel(dc, 0, 0, RGB(1, 2, 3));  // top row: the last stored row
  SetPixel(dc, 1, 2, RGB(4, 5, 6));  // bottom row: the first stored row
  const auto* bytes = static_cast<const BYTE*>(bits);
  const int stride = 8;  // 6 bytes padded to 8
  EXPECT_EQ(bytes[2 * stride + 0], 3);
  EXPECT_EQ(bytes[2 * stride + 1], 2);
  EXPECT_EQ(bytes[2 * stride + 2], 1);
  EXPECT_EQ(bytes[3], 6);
  EXPECT_EQ(bytes[4], 5);
  EXPECT_EQ(bytes[5], 4);
  DeleteDC(dc);
}

// A screen's pixels have their pages made present when made, a small
// bitmap's do not: black either way.
TEST_F(BitmapTest, DeviceBitmapIsBlackAndItsSurfaceSharesThePixels) {
  for (const auto& [width, height] : {std::pair{3, 2}, std::pair{320, 240}}) {
    HBITMAP bitmap = Own(gdi::CreateDeviceBitmap(width, height));
    const gdi::Surface32 surface = gdi::BitmapSurface(bitmap);
    ASSERT_NE(surface.pixels, nullptr);
    EXPECT_EQ(surface.width, width);
    EXPECT_EQ(surface.height, height);
    EXPECT_EQ(surface.stride, width);
    for (int y = 0; y < height; ++y)
      ASSERT_EQ(std::count(surface.Row(y), surface.Row(y) + width, 0u), width) << "row " << y;
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    SetPixel(dc, width - 1, height - 1, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(surface.Row(height - 1)[width - 1], 0x123456u);
    DeleteDC(dc);
  }
  EXPECT_EQ(gdi::BitmapSurface(MakeBitmap(2, 2, 1)).pixels, nullptr);
}

TEST_F(BitmapTest, CompatibleBitmapOfZeroSizeIsOneMonoPixel) {
  HDC dc = MakeDC(4, 4);
  const BITMAP zero = InfoOf(Own(CreateCompatibleBitmap(dc, 0, 10)));
  EXPECT_EQ(zero.bmWidth, 1);
  EXPECT_EQ(zero.bmHeight, 1);
  EXPECT_EQ(zero.bmBitsPixel, 1);
  EXPECT_EQ(InfoOf(Own(CreateCompatibleBitmap(dc, 6, 5))).bmBitsPixel, 32);
}

TEST_F(BitmapTest, CompatibleBitmapFollowsTheFormatSelectedInTheDC) {
  HDC fresh = CreateCompatibleDC(nullptr);  // holds the 1 x 1 monochrome bitmap
  EXPECT_EQ(InfoOf(Own(CreateCompatibleBitmap(fresh, 6, 5))).bmBitsPixel, 1);
  DeleteDC(fresh);
  EXPECT_EQ(InfoOf(Own(CreateCompatibleBitmap(nullptr, 6, 5))).bmBitsPixel, 32);
  HDC forged = reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x7777));
  EXPECT_EQ(CreateCompatibleBitmap(forged, 6, 5), nullptr);
}

}  // namespace
}  // namespace gdi_test
