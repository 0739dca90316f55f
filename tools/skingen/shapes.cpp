#include "tools/skingen/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

}  // namespace

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
  const int left = static_cast<int>(std::floor(cx - radius)),
            right = static_cast<int>(std::ceil(cx + radius));
  const int top = static_cast<int>(std::floor(cy - radius)),
            bottom = static_cast<int>(std::ceil(cy + radius));
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) canvas.Plot(x, y, color);
}

void StrokeLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width,
                gdi::Pixel color) {
  const double half = width / 2;
  const int left = static_cast<int>(std::floor(std::min(x0, x1) - half));
  const int right = static_cast<int>(std::ceil(std::max(x0, x1) + half));
  const int top = static_cast<int>(std::floor(std::min(y0, y1) - half));
  const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + half));
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      if (DistanceToSegment(x + 0.5, y + 0.5, x0, y0, x1, y1) <= half) canvas.Plot(x, y, color);
}

void FillArc(Canvas& canvas, double cx, double cy, double inner, double outer, double from,
             double to, gdi::Pixel color) {
  const int left = static_cast<int>(std::floor(cx - outer)),
            right = static_cast<int>(std::ceil(cx + outer));
  const int top = static_cast<int>(std::floor(cy - outer)),
            bottom = static_cast<int>(std::ceil(cy + outer));
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double distance = std::hypot(dx, dy);
      if (distance < inner || distance > outer) continue;
      double angle = std::fmod(std::atan2(dy, dx) * 180.0 / std::numbers::pi + 360.0, 360.0);
      if (angle < from) angle += 360.0;
      if (angle <= to) canvas.Plot(x, y, color);
    }
}

}  // namespace skingen
