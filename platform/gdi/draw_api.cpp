// Pens, lines and single pixels.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/gdi/device_context.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/wingdi.h"

using gdi::DeviceContext;
using gdi::ObjectTable;

namespace {

DeviceContext* FindDC(HDC hdc) { return ObjectTable::Get().Find<DeviceContext>(hdc); }

// Diagonal lines longer than this are not drawn: no screen is that large,
// and stepping them pixel by pixel would stall.
constexpr long long kMaxDiagonalSteps = 1 << 16;

// Coordinates near the ends of the integer range are pulled in to a range
// no bitmap reaches, so a one-past-the-end coordinate cannot overflow.
RECT ClampedRect(long long left, long long top, long long right, long long bottom) {
  static constexpr long long kLimit = 1LL << 30;
  auto clamp = [](long long v) { return static_cast<LONG>(std::clamp(v, -kLimit, kLimit)); };
  return RECT{clamp(left), clamp(top), clamp(right), clamp(bottom)};
}

void PlotClipped(DeviceContext& dc, long long x, long long y, COLORREF color) {
  if (x < 0 || y < 0 || x >= dc.Target().Width() || y >= dc.Target().Height()) return;
  if (gdi::IsInside(dc.Clip(), static_cast<int>(x), static_cast<int>(y)))
    gdi::PutPixel(dc.Target(), static_cast<int>(x), static_cast<int>(y), color);
}

// Bresenham from (x0, y0) towards (x1, y1), the end point left out.
void DrawDiagonal(DeviceContext& dc, long long x0, long long y0, long long x1, long long y1,
                  COLORREF color) {
  const long long dx = std::llabs(x1 - x0);
  const long long dy = -std::llabs(y1 - y0);
  if (dx > kMaxDiagonalSteps || -dy > kMaxDiagonalSteps) return;
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  long long error = dx + dy;
  while (x0 != x1 || y0 != y1) {
    PlotClipped(dc, x0, y0, color);
    const long long twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style != PS_SOLID && style != PS_NULL) return nullptr;
  return static_cast<HPEN>(ObjectTable::Get().Make<gdi::Pen>(color, style == PS_NULL));
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->penPosition;
  dc->penPosition = POINT{x, y};
  return TRUE;
}

// Straight lines fill a one-pixel-wide rectangle; the others step.
BOOL LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  const POINT from = dc->penPosition;
  dc->penPosition = POINT{x, y};
  const gdi::Pen& pen = *dc->CurrentPen();
  if (pen.IsNull()) return TRUE;
  const long long x0 = from.x, y0 = from.y;
  if (y0 == y) {
    gdi::FillClipped(
        *dc, x0 < x ? ClampedRect(x0, y, x, y + 1LL) : ClampedRect(x + 1LL, y, x0 + 1, y + 1LL),
        pen.Color());
  } else if (x0 == x) {
    gdi::FillClipped(
        *dc, y0 < y ? ClampedRect(x, y0, x + 1LL, y) : ClampedRect(x, y + 1LL, x + 1LL, y0 + 1),
        pen.Color());
  } else {
    DrawDiagonal(*dc, from.x, from.y, x, y, pen.Color());
  }
  return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !gdi::IsInside(dc->Clip(), x, y)) return CLR_INVALID;
  gdi::PutPixel(dc->Target(), x, y, color);
  return gdi::ReadPixel(dc->Target(), x, y);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !gdi::IsInside(dc->Clip(), x, y)) return CLR_INVALID;
  return gdi::ReadPixel(dc->Target(), x, y);
}
