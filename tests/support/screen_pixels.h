// Reading screenshots back: one pixel, how many pixels of a rectangle are
// near a colour, the calendar's day cells and the text in them.
#pragma once

#include "platform/core/windef.h"
#include "platform/res/png_codec.h"

namespace screen_pixels {

COLORREF At(const res::Image& image, int x, int y);
// Pixels inside r whose colour is within `tolerance` of c (channel sum).
int CountNear(const res::Image& image, const RECT& r, COLORREF c, int tolerance);
// The day cell (column, row) of the calendar's grid, 39 x 23 from (24, 65).
RECT Cell(int column, int row);
// The cell's text pixels: dark or red ones against the light cell.
int InkIn(const res::Image& image, const RECT& r);

}  // namespace screen_pixels
