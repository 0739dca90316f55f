#include "tools/skingen/canvas.h"

#include <algorithm>

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
    const auto from =
        source.pixels.begin() + (static_cast<std::ptrdiff_t>(top + y) * source.width + left);
    std::copy(from, from + part.width,
              part.pixels.begin() + static_cast<std::ptrdiff_t>(y) * part.width);
  }
  return part;
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

void Canvas::HLine(int left, int right, int y, gdi::Pixel color) {
  Fill({left, y, right, y + 1}, color);
}

void Canvas::VLine(int x, int top, int bottom, gdi::Pixel color) {
  Fill({x, top, x + 1, bottom}, color);
}

void Canvas::Frame(const RECT& area, gdi::Pixel color) {
  HLine(area.left, area.right, area.top, color);
  HLine(area.left, area.right, area.bottom - 1, color);
  VLine(area.left, area.top, area.bottom, color);
  VLine(area.right - 1, area.top, area.bottom, color);
}

}  // namespace skingen
