// A drawing canvas over an image: clipped pixel writes, filled and framed
// rectangles and straight runs. Every primitive is hard-edged so that nothing ever
// blends into the transparent key colour.
#pragma once

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
// The part of an image under a rectangle that lies inside it.
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

}  // namespace skingen
