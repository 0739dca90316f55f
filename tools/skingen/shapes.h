// Filled shapes with hard edges: every pixel is either wholly inside a shape
// (its centre is) or untouched, so shapes drawn over the key colour leave no
// half-green fringe.
#pragma once

#include "tools/skingen/canvas.h"

namespace skingen {

// A rectangle with circular corners of the given radius (0 for square).
struct RoundRect {
  RECT box;
  int radius = 0;

  bool Contains(int x, int y) const;
  RoundRect Inset(int by) const;
};

struct Gradient {
  gdi::Pixel top;
  gdi::Pixel bottom;
};

// Colour of row y of a vertical gradient over rows [top, bottom).
gdi::Pixel GradientAt(const Gradient& gradient, int top, int bottom, int y);

void FillShape(Canvas& canvas, const RoundRect& shape, gdi::Pixel color);
void FillShape(Canvas& canvas, const RoundRect& shape, const Gradient& gradient);
void FillGradient(Canvas& canvas, const RECT& area, const Gradient& gradient);

// One-pixel highlight along the shape's top and left edge and shadow along
// its bottom and right edge, both inside the shape.
void Bevel(Canvas& canvas, const RoundRect& shape, gdi::Pixel light, gdi::Pixel dark);

void FillTriangle(Canvas& canvas, POINT a, POINT b, POINT c, gdi::Pixel color);
// A disc centred on (cx, cy) in pixel-edge coordinates: the pixels whose
// centre lies within the radius.
void FillDisc(Canvas& canvas, double cx, double cy, double radius, gdi::Pixel color);
// A stroke of the given width between two points, with round ends.
void StrokeLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width,
                gdi::Pixel color);
// A ring between two radii, limited to angles [from, to] in degrees,
// measured clockwise from the positive x axis (screen coordinates), with
// 0 <= from < 360 and from <= to < from + 360.
void FillArc(Canvas& canvas, double cx, double cy, double inner, double outer, double from,
             double to, gdi::Pixel color);

}  // namespace skingen
