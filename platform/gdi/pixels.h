// Raw pixel access shared by the drawing code, the font renderer, the
// screen composer and the hosts. Device bitmaps are 32 bits per pixel,
// 0x00RRGGBB in a native 32-bit word (the layout of a 32-bit top-down DIB
// and of SDL's XRGB8888), rows top-down.
#pragma once

#include <cstdint>

#include "platform/core/windef.h"

namespace gdi {

using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF c) {
  return (static_cast<Pixel>(GetRValue(c)) << 16) | (static_cast<Pixel>(GetGValue(c)) << 8) |
         GetBValue(c);
}

constexpr COLORREF ColorFromPixel(Pixel p) {
  return RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
}

// A view of 32-bit pixels; does not own them. stride counts pixels.
struct Surface32 {
  Pixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;

  Pixel* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

}  // namespace gdi
