// Entry points the window system uses for window surfaces. A window keeps
// its pixels in a 32-bit device bitmap; painting draws onto it through a
// surface DC whose drawing the paint's update region restricts.
#pragma once

#include <vector>

#include "platform/core/windef.h"
#include "platform/gdi/pixels.h"

namespace gdi {

// A 32-bit device bitmap, zero-filled (black). Delete with DeleteObject.
HBITMAP CreateDeviceBitmap(int width, int height);

// The pixels of a 32-bit bitmap; an empty view for any other handle. Valid
// until the bitmap is deleted.
Surface32 BitmapSurface(HBITMAP bitmap);

// A DC drawing onto an existing 32-bit bitmap without owning it. Selecting
// another bitmap into it fails; DeleteDC leaves the surface alone. While the
// DC lives the surface counts as selected, so DeleteObject of the surface
// is refused: delete the DC first. NULL if surface is not a 32-bit bitmap.
HDC CreateSurfaceDC(HBITMAP surface);

// Restricts drawing to the union of rects (they may overlap). An empty
// vector means draw nothing.
void SetSystemClip(HDC dc, std::vector<RECT> rects);

}  // namespace gdi
