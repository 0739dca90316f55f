// Helpers for the graphics tests: memory DCs over fresh bitmaps that are
// cleaned up at the end of each test, and pixel reading.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/wingdi.h"

namespace gdi_test {

class GdiTest : public ::testing::Test {
 protected:
  ~GdiTest() override {
    for (HDC dc : dcs_) DeleteDC(dc);
    for (HGDIOBJ object : objects_) DeleteObject(object);
  }

  // A memory DC with a new bitmap of the given depth (1, 24 or 32) selected.
  HDC MakeDC(int width, int height, int bitsPerPixel = 32) {
    HDC dc = CreateCompatibleDC(nullptr);
    dcs_.push_back(dc);
    HBITMAP bitmap = MakeBitmap(width, height, bitsPerPixel);
    SelectObject(dc, bitmap);
    return dc;
  }

  HBITMAP MakeBitmap(int width, int height, int bitsPerPixel) {
    HBITMAP bitmap = nullptr;
    if (bitsPerPixel == 24) {
      BITMAPINFO info{};
      info.bmiHeader =
          BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
      void* bits = nullptr;
      bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    } else {
      bitmap = CreateBitmap(width, height, 1, static_cast<UINT>(bitsPerPixel), nullptr);
    }
    objects_.push_back(bitmap);
    return bitmap;
  }

  template <class Handle>
  Handle Own(Handle object) {
    objects_.push_back(object);
    return object;
  }

  // Paints as the program does, leaving the DC's background colour as it was.
  static void Fill(HDC dc, const RECT& rect, COLORREF color) {
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOut(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
  }

  static std::vector<COLORREF> Row(HDC dc, int y, int x, int count) {
    std::vector<COLORREF> row;
    for (int i = 0; i < count; ++i) row.push_back(GetPixel(dc, x + i, y));
    return row;
  }

  // How many pixels of the rectangle have the colour.
  static int Count(HDC dc, const RECT& rect, COLORREF color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += GetPixel(dc, x, y) == color;
    return count;
  }

 private:
  std::vector<HDC> dcs_;
  std::vector<HGDIOBJ> objects_;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

}  // namespace gdi_test
