#include "tools/skingen/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/core/context.h"
#include "platform/gdi/font_engine.h"

namespace skingen {

namespace {

// Distance from the pixel centre to the segment (x0, y0)-(x1, y1).
double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

long long EdgeSide(POINT a, POINT b, long long px2, long long py2) {
  return (static_cast<long long>(b.x - a.x) * 2) * (py2 - 2LL * a.y) -
         (static_cast<long long>(b.y - a.y) * 2) * (px2 - 2LL * a.x);
}

int Channel(gdi::Pixel p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// Plots the pixels of the box from (left, top) to (right, bottom), widened
// to whole pixels, whose centre (px, py) is inside.
template <class Inside>
void FillWhere(Canvas& canvas, double left, double top, double right, double bottom,
               gdi::Pixel color, Inside inside) {
  const int x0 = static_cast<int>(std::floor(left)), x1 = static_cast<int>(std::ceil(right));
  const int y0 = static_cast<int>(std::floor(top)), y1 = static_cast<int>(std::ceil(bottom));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (inside(x + 0.5, y + 0.5)) canvas.Plot(x, y, color);
}

int LeftFor(const RECT& box, int width, Align align) {
  switch (align) {
    case Align::kLeft: return box.left;
    case Align::kRight: return box.right - width;
    case Align::kCenter: break;
  }
  return box.left + (box.right - box.left - width) / 2;
}

}  // namespace

res::Image MakeImage(int width, int height, gdi::Pixel fill) {
  return {width, height, std::vector<gdi::Pixel>(static_cast<std::size_t>(width) * height, fill)};
}

res::Image Crop(const res::Image& source, const RECT& area) {
  res::Image part = MakeImage(area.right - area.left, area.bottom - area.top, 0);
  for (int y = 0; y < part.height; ++y) {
    const auto from = source.pixels.begin() +
                      (static_cast<std::ptrdiff_t>(area.top + y) * source.width + area.left);
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

bool RoundRect::Contains(int x, int y) const {
  if (x < box.left || x >= box.right || y < box.top || y >= box.bottom) return false;
  const double r = radius;
  if (r <= 0) return true;
  const double px = x + 0.5, py = y + 0.5;
  const double cx = std::clamp(px, box.left + r, box.right - r);
  const double cy = std::clamp(py, box.top + r, box.bottom - r);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

RoundRect RoundRect::Inset(int by) const {
  return {skingen::Inset(box, by), std::max(0, radius - by)};
}

gdi::Pixel GradientAt(const Gradient& gradient, int top, int bottom, int y) {
  const int span = std::max(1, bottom - top - 1);
  const int step = std::clamp(y - top, 0, span);
  auto mix = [&](int shift) {
    const int from = Channel(gradient.top, shift), to = Channel(gradient.bottom, shift);
    return (from * (span - step) + to * step + span / 2) / span;
  };
  return Rgb(mix(16), mix(8), mix(0));
}

void FillShape(Canvas& canvas, const RoundRect& shape, gdi::Pixel color) {
  FillShape(canvas, shape, Gradient{color, color});
}

void FillShape(Canvas& canvas, const RoundRect& shape, const Gradient& gradient) {
  const RECT& b = shape.box;
  for (int y = b.top; y < b.bottom; ++y) {
    const gdi::Pixel color = GradientAt(gradient, b.top, b.bottom, y);
    for (int x = b.left; x < b.right; ++x)
      if (shape.Contains(x, y)) canvas.Plot(x, y, color);
  }
}

void FillGradient(Canvas& canvas, const RECT& area, const Gradient& gradient) {
  for (int y = area.top; y < area.bottom; ++y)
    canvas.HLine(area.left, area.right, y, GradientAt(gradient, area.top, area.bottom, y));
}

void Bevel(Canvas& canvas, const RoundRect& shape, gdi::Pixel light, gdi::Pixel dark) {
  const RECT& b = shape.box;
  for (int y = b.top; y < b.bottom; ++y)
    for (int x = b.left; x < b.right; ++x) {
      if (!shape.Contains(x, y)) continue;
      if (!shape.Contains(x - 1, y) || !shape.Contains(x, y - 1))
        canvas.Plot(x, y, light);
      else if (!shape.Contains(x + 1, y) || !shape.Contains(x, y + 1))
        canvas.Plot(x, y, dark);
    }
}

void FillTriangle(Canvas& canvas, POINT a, POINT b, POINT c, gdi::Pixel color) {
  const int left = std::min({a.x, b.x, c.x}), right = std::max({a.x, b.x, c.x});
  const int top = std::min({a.y, b.y, c.y}), bottom = std::max({a.y, b.y, c.y});
  const bool clockwise = EdgeSide(a, b, 2LL * c.x, 2LL * c.y) > 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const long long px2 = 2LL * x + 1, py2 = 2LL * y + 1;
      const long long e0 = EdgeSide(a, b, px2, py2), e1 = EdgeSide(b, c, px2, py2),
                      e2 = EdgeSide(c, a, px2, py2);
      const bool inside =
          clockwise ? (e0 >= 0 && e1 >= 0 && e2 >= 0) : (e0 <= 0 && e1 <= 0 && e2 <= 0);
      if (inside) canvas.Plot(x, y, color);
    }
}

void FillDisc(Canvas& canvas, double cx, double cy, double radius, gdi::Pixel color) {
  FillWhere(canvas, cx - radius, cy - radius, cx + radius, cy + radius, color,
            [&](double px, double py) { return std::hypot(px - cx, py - cy) <= radius; });
}

void StrokeLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width,
                gdi::Pixel color) {
  const double half = width / 2;
  FillWhere(canvas, std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half,
            std::max(y0, y1) + half, color, [&](double px, double py) {
              return DistanceToSegment(px, py, x0, y0, x1, y1) <= half;
            });
}

void FillArc(Canvas& canvas, double cx, double cy, double inner, double outer, double from,
             double to, gdi::Pixel color) {
  FillWhere(
      canvas, cx - outer, cy - outer, cx + outer, cy + outer, color, [&](double px, double py) {
        const double dx = px - cx, dy = py - cy;
        const double distance = std::hypot(dx, dy);
        if (distance < inner || distance > outer) return false;
        double angle = std::fmod(std::atan2(dy, dx) * 180.0 / std::numbers::pi + 360.0, 360.0);
        if (angle < from) angle += 360.0;
        return angle <= to;
      });
}

void DrawText(Canvas& canvas, const RECT& box, std::wstring_view text, const TextStyle& style) {
  gdi::FontEngine& engine = platform::Context::Get().Use<gdi::FontEngine>();
  const std::shared_ptr<gdi::Typeface> face = engine.Get({style.height, style.bold ? 700 : 400});
  const SIZE extent = face->Measure(text);
  const int x = LeftFor(box, extent.cx, style.align);
  const int y = box.top + (box.bottom - box.top - extent.cy) / 2;
  const RECT clip[1] = {box};
  face->Draw(canvas.Image().View(), x, y, text, gdi::ColorFromPixel(style.color), clip);
}

}  // namespace skingen
