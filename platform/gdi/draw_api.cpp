// Pens, lines and single pixels.
#include <algorithm>
#include <memory>
#include <utility>

#include "platform/gdi/device_context.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/wingdi.h"

using gdi::DeviceContext;
using gdi::FindDC;
using gdi::ObjectTable;

namespace {

// Coordinates near the ends of the integer range are pulled in to a range
// no bitmap reaches, so a one-past-the-end coordinate cannot overflow.
RECT ClampedRect(long long left, long long top, long long right, long long bottom) {
  static constexpr long long kLimit = 1LL << 30;
  auto clamp = [](long long v) { return static_cast<LONG>(std::clamp(v, -kLimit, kLimit)); };
  return RECT{clamp(left), clamp(top), clamp(right), clamp(bottom)};
}

// The pixels from a towards b, b itself left out, as [first, last).
std::pair<long long, long long> Span(long long a, long long b) {
  return a < b ? std::pair{a, b} : std::pair{b + 1, a + 1};
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style != PS_SOLID) return nullptr;
  return static_cast<HPEN>(ObjectTable::Get().Make<gdi::Pen>(color));
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->penPosition;
  dc->penPosition = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  const POINT from = dc->penPosition;
  dc->penPosition = POINT{x, y};
  if (from.x != x && from.y != y) return FALSE;
  const auto [left, right] = from.y == y ? Span(from.x, x) : std::pair{x + 0LL, x + 1LL};
  const auto [top, bottom] = from.y == y ? std::pair{y + 0LL, y + 1LL} : Span(from.y, y);
  gdi::FillClipped(dc->Target(), dc->Clip(), ClampedRect(left, top, right, bottom),
                   dc->CurrentPen()->Color());
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
