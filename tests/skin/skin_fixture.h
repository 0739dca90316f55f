// A 32-bit target DC for the skin tests, filled with one colour.
#pragma once

#include <gtest/gtest.h>

#include "platform/framework/cdc.h"

namespace skin_test {

constexpr COLORREF kKey = RGB(0, 255, 0);
constexpr COLORREF kStripCell1 = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class Target {
 public:
  Target(int width, int height, COLORREF fill) : width_(width), height_(height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(nullptr, width, height);
    old_ = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, fill);
    dc.SetBkColor(RGB(1, 2, 3));  // distinct values to check they survive drawing
    dc.SetTextColor(RGB(4, 5, 6));
  }
  ~Target() { dc.SelectObject(old_); }

  // Pixels of the rectangle not of the colour.
  int CountOther(const RECT& rect, COLORREF color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += dc.GetPixel(x, y) != color;
    return count;
  }
  int CountOther(COLORREF color) { return CountOther({0, 0, width_, height_}, color); }

  CBitmap bitmap;  // before the DC, which releases it first
  CDC dc;

 private:
  int width_, height_;
  CBitmap* old_ = nullptr;
};

}  // namespace skin_test
