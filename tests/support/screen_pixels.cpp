#include "tests/support/screen_pixels.h"

#include <cstdlib>

#include "platform/gdi/pixels.h"

namespace screen_pixels {

COLORREF At(const res::Image& image, int x, int y) {
  return gdi::ColorFromPixel(image.pixels[static_cast<std::size_t>(y) * image.width + x]);
}

int CountNear(const res::Image& image, const RECT& r, COLORREF c, int tolerance) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF p = At(image, x, y);
      const int d = std::abs(GetRValue(p) - GetRValue(c)) + std::abs(GetGValue(p) - GetGValue(c)) +
                    std::abs(GetBValue(p) - GetBValue(c));
      if (d <= tolerance) ++count;
    }
  return count;
}

RECT Cell(int column, int row) {
  const LONG left = 24 + 39 * column, top = 65 + 23 * row;
  return {left, top, left + 39, top + 23};
}

int InkIn(const res::Image& image, const RECT& r) {
  int count = 0;
  for (int y = r.top + 3; y < r.bottom - 3; ++y)
    for (int x = r.left + 12; x < r.right - 12; ++x) {
      const COLORREF p = At(image, x, y);
      if (GetGValue(p) < 110 && GetBValue(p) < 110) ++count;  // black or red ink
    }
  return count;
}

}  // namespace screen_pixels
