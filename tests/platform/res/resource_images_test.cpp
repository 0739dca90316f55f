#include "platform/res/resources.h"

#include <gtest/gtest.h>

#include "platform/gdi/wingdi.h"
#include "platform/res/winresource.h"

namespace {

TEST(ResourceImagesTest, LoadBitmapDecodesIntoADeviceBitmap) {
  HBITMAP bitmap = LoadBitmap(nullptr, MAKEINTRESOURCE(300));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  GetObject(bitmap, sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, 32);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0x12, 0x34, 0x56));
  SelectObject(dc, previous);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(ResourceImagesTest, MissingOrUnreadableBitmapsGiveNull) {
  EXPECT_EQ(LoadBitmap(nullptr, MAKEINTRESOURCE(999)), nullptr);
  EXPECT_EQ(LoadBitmap(nullptr, MAKEINTRESOURCE(301)), nullptr);  // not a real PNG
  EXPECT_EQ(LoadBitmap(nullptr, MAKEINTRESOURCE(128)), nullptr);  // an icon, not a bitmap
  EXPECT_EQ(LoadBitmap(nullptr, L"SKIN"), nullptr);               // names are not ids
  EXPECT_TRUE(IS_INTRESOURCE(MAKEINTRESOURCE(65535)));
}

TEST(ResourceImagesTest, IconHandleGivesItsPixels) {
  HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(128));
  ASSERT_NE(icon, nullptr);
  const std::optional<res::Image> image = res::IconImage(icon);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->height, 1);
  EXPECT_EQ(image->pixels[0], 0xFFFF00u);  // yellow
  EXPECT_EQ(image->pixels[1], 0x000000u);  // transparent black: alpha is dropped
  EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(129)), nullptr);
  EXPECT_FALSE(res::IconImage(reinterpret_cast<HICON>(static_cast<std::uintptr_t>(128))));
}

TEST(ResourceImagesTest, DrawIconCopiesTheIconAtThePoint) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(4, 2, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  const RECT all{0, 0, 4, 2};
  const COLORREF background = SetBkColor(dc, RGB(0, 0, 255));
  ExtTextOut(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
  SetBkColor(dc, background);
  ASSERT_TRUE(DrawIcon(dc, 1, 1, LoadIcon(nullptr, MAKEINTRESOURCE(128))));
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 0));
  EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 255));  // outside the icon
  EXPECT_EQ(GetPixel(dc, 3, 1), RGB(0, 0, 255));
  EXPECT_FALSE(DrawIcon(dc, 0, 0, nullptr));
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace
