// A drawing canvas over an image and what the skins draw on it. Fills and
// shapes are hard-edged: every pixel is either wholly inside (its centre
// is) or untouched, so nothing drawn over the transparent key colour leaves
// a half-green fringe. Text is anti-aliased, so it is only ever drawn over
// opaque fills, never next to the key colour.
#pragma once

#include <string_view>

#include "platform/core/windef.h"
#include "platform/gdi/pixels.h"
#include "platform/res/png_codec.h"

namespace skingen {

constexpr gdi::Pixel Rgb(int r, int g, int b) {
  return (static_cast<gdi::Pixel>(r) << 16) | (static_cast<gdi::Pixel>(g) << 8) |
         static_cast<gdi::Pixel>(b);
}

constexpr RECT Inset(const RECT& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}
constexpr RECT Offset(const RECT& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// An image of width x height pixels, all of one colour.
res::Image MakeImage(int width, int height, gdi::Pixel fill);
// The part of an image under a rectangle inside it.
res::Image Crop(const res::Image& source, const RECT& area);

class Canvas {
 public:
  explicit Canvas(res::Image& image) : image_(image) {}

  int Width() const { return image_.width; }
  int Height() const { return image_.height; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

  void Plot(int x, int y, gdi::Pixel color);
  void Fill(const RECT& area, gdi::Pixel color);
  void HLine(int left, int right, int y, gdi::Pixel color);  // right exclusive
  void VLine(int x, int top, int bottom, gdi::Pixel color);  // bottom exclusive
  void Frame(const RECT& area, gdi::Pixel color);            // one pixel inside the edges

  res::Image& Image() { return image_; }

 private:
  res::Image& image_;
};

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

enum class Align { kLeft, kCenter, kRight };

struct TextStyle {
  int height = 14;  // character cell height in pixels
  bool bold = true;
  gdi::Pixel color = Rgb(255, 255, 255);
  Align align = Align::kCenter;
};

// One line in a clean sans-serif face, vertically centred in the box,
// aligned horizontally as asked, clipped to the box.
void DrawText(Canvas& canvas, const RECT& box, std::wstring_view text, const TextStyle& style);

}  // namespace skingen
