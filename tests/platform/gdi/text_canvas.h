// A small 32-bit canvas for the font tests, with the counts they compare.
#pragma once

#include <vector>

#include "platform/gdi/pixels.h"

namespace gdi_test {

struct Canvas {
  int width;
  int height;
  std::vector<gdi::Pixel> pixels;

  Canvas(int w, int h, gdi::Pixel fill)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  gdi::Surface32 View() { return {pixels.data(), width, height, width}; }
  gdi::Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  RECT Whole() const { return {0, 0, width, height}; }

  int CountNot(gdi::Pixel background) const {
    int count = 0;
    for (gdi::Pixel p : pixels) count += p != background;
    return count;
  }

  // Darkness summed over the blue channel: more ink, more darkness.
  long Darkness() const {
    long sum = 0;
    for (gdi::Pixel p : pixels) sum += 255 - static_cast<long>(p & 0xFF);
    return sum;
  }
};

}  // namespace gdi_test
