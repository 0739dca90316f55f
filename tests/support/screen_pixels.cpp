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

}  // namespace screen_pixels
