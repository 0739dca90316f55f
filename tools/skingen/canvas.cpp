#include "tools/skingen/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace skingen {

res::Image MakeImage(int width, int height, gdi::Pixel fill) {
  res::Image image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, fill);
  return image;
}

res::Image Crop(const res::Image& source, const RECT& area) {
  const int left = std::max(0, static_cast<int>(area.left));
  const int top = std::max(0, static_cast<int>(area.top));
  const int right = std::min(source.width, static_cast<int>(area.right));
  const int bottom = std::min(source.height, static_cast<int>(area.bottom));
  res::Image part = MakeImage(std::max(0, right - left), std::max(0, bottom - top), 0);
  for (int y = 0; y < part.height; ++y) {
    const auto from = source.pixels.begin() + (static_cast<std::ptrdiff_t>(top + y) * source.width + left);
    std::copy(from, from + part.width, part.pixels.begin() + static_cast<std::ptrdiff_t>(y) * part.width);
  }
  return part;
}

gdi::Pixel Canvas::At(int x, int y) const {
  return Contains(x, y) ? image_.pixels[static_cast<std::size_t>(y) * Width() + x] : 0;
}

void Canvas::Plot(int x, int y, gdi::Pixel color) {
  if (Contains(x, y)) image_.pixels[static_cast<std::size_t>(y) * Width() + x] = color;
}

void Canvas::Fill(const RECT& area, gdi::Pixel color) {
  const int left = std::max(0, static_cast<int>(area.left));
  const int right = std::min(Width(), static_cast<int>(area.right));
  const int top = std::max(0, static_cast<int>(area.top));
  const int bottom = std::min(Height(), static_cast<int>(area.bottom));
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) {
    auto row = image_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * Width();
    std::fill(row + left, row + right, color);
  }
}

void Canvas::HLine(int left, int right, int y, gdi::Pixel color) { Fill({left, y, right, y + 1}, color); }

void Canvas::VLine(int x, int top, int bottom, gdi::Pixel color) { Fill({x, top, x + 1, bottom}, color); }

void Canvas::Frame(const RECT& area, gdi::Pixel color) {
  HLine(area.left, area.right, area.top, color);
  HLine(area.left, area.right, area.bottom - 1, color);
  VLine(area.left, area.top, area.bottom, color);
  VLine(area.right - 1, area.top, area.bottom, color);
}

void Canvas::Line(int x0, int y0, int x1, int y1, gdi::Pixel color) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    Plot(x0, y0, color);
    if (x0 == x1 && y0 == y1) return;
    const int doubled = 2 * error;
    if (doubled >= dy) error += dy, x0 += sx;
    if (doubled <= dx) error += dx, y0 += sy;
  }
}

void Canvas::Paste(const res::Image& source, int x, int y) {
  for (int row = 0; row < source.height; ++row)
    for (int col = 0; col < source.width; ++col)
      Plot(x + col, y + row, source.pixels[static_cast<std::size_t>(row) * source.width + col]);
}

}  // namespace skingen
