// Reading screenshots back: one pixel, or how many pixels of a rectangle
// are near a colour.
#pragma once

#include "platform/core/windef.h"
#include "platform/res/png_codec.h"

namespace screen_pixels {

COLORREF At(const res::Image& image, int x, int y);
// Pixels inside r whose colour is within `tolerance` of c (channel sum).
int CountNear(const res::Image& image, const RECT& r, COLORREF c, int tolerance);

}  // namespace screen_pixels
