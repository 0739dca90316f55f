// Solid colour writes on bitmaps of any format, and the clipped fill that
// brushes, opaque text and ExtTextOut share. A colour drawn onto a
// monochrome bitmap takes the nearer of black and white.
#pragma once

#include <span>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/rect_list.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

bool IsNearerWhite(COLORREF color);

// area must lie inside the bitmap.
void FillArea(Bitmap& bitmap, const RECT& area, COLORREF color);

// (x, y) must lie inside the bitmap.
void PutPixel(Bitmap& bitmap, int x, int y, COLORREF color);
COLORREF ReadPixel(const Bitmap& bitmap, int x, int y);

// Fills rect within clip, disjoint rectangles inside the bitmap.
void FillClipped(Bitmap& bitmap, std::span<const RECT> clip, const RECT& rect, COLORREF color);

bool IsInside(const RectList& rects, int x, int y);

}  // namespace gdi
