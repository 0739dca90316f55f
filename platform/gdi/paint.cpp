#include "platform/gdi/paint.h"

#include <algorithm>

namespace gdi {

bool IsNearerWhite(COLORREF color) {
  return GetRValue(color) + GetGValue(color) + GetBValue(color) >= 3 * 128;
}

void FillArea(Bitmap& bitmap, const RECT& area, COLORREF color) {
  const int n = area.right - area.left;
  switch (bitmap.Format()) {
    case BitmapFormat::Device32:
      for (int y = area.top; y < area.bottom; ++y)
        std::fill_n(bitmap.Row32(y) + area.left, n, PixelFromColor(color));
      return;
    case BitmapFormat::Dib24:
      for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* p = bitmap.RowBytes(y) + area.left * 3;
        for (int i = 0; i < n; ++i, p += 3) {
          p[0] = GetBValue(color);
          p[1] = GetGValue(color);
          p[2] = GetRValue(color);
        }
      }
      return;
    case BitmapFormat::Mono1:
      for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) bitmap.SetBit(x, y, IsNearerWhite(color));
      return;
  }
}

void PutPixel(Bitmap& bitmap, int x, int y, COLORREF color) {
  FillArea(bitmap, RECT{x, y, x + 1, y + 1}, color);
}

COLORREF ReadPixel(const Bitmap& bitmap, int x, int y) {
  switch (bitmap.Format()) {
    case BitmapFormat::Device32: return ColorFromPixel(bitmap.Row32(y)[x]);
    case BitmapFormat::Dib24: {
      const std::uint8_t* p = bitmap.RowBytes(y) + x * 3;
      return RGB(p[2], p[1], p[0]);
    }
    case BitmapFormat::Mono1: return bitmap.Bit(x, y) ? RGB(255, 255, 255) : RGB(0, 0, 0);
  }
  return CLR_INVALID;
}

void FillClipped(Bitmap& bitmap, std::span<const RECT> clip, const RECT& rect, COLORREF color) {
  for (const RECT& piece : clip) {
    const RECT area = IntersectRects(piece, rect);
    if (!IsEmptyRect(area)) FillArea(bitmap, area, color);
  }
}

bool IsInside(const RectList& rects, int x, int y) {
  return std::any_of(rects.begin(), rects.end(), [x, y](const RECT& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  });
}

}  // namespace gdi
