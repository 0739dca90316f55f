// BitBlt and TransparentBlt: clipping, then the raster engine per clip
// rectangle.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/wingdi.h"

using gdi::DeviceContext;

namespace {

// A transfer of width x height pixels from the source at (sourceX, sourceY)
// to the destination at (x, y): the part of the destination rectangle
// inside the destination bitmap whose source pixels exist (empty when
// none), and the offset from destination to source.
struct Transfer {
  RECT wanted{};
  int dx = 0;
  int dy = 0;
};

// Worked out wide so no sum can overflow.
Transfer Bound(const gdi::Bitmap& destBitmap, const gdi::Bitmap& sourceBitmap, int x, int y,
               int width, int height, int sourceX, int sourceY) {
  using Wide = long long;
  const Wide dx = Wide{sourceX} - x;
  const Wide dy = Wide{sourceY} - y;
  const Wide left = std::max({Wide{x}, -dx, Wide{0}});
  const Wide top = std::max({Wide{y}, -dy, Wide{0}});
  const Wide right =
      std::min({Wide{x} + width, sourceBitmap.Width() - dx, Wide{destBitmap.Width()}});
  const Wide bottom =
      std::min({Wide{y} + height, sourceBitmap.Height() - dy, Wide{destBitmap.Height()}});
  if (width <= 0 || height <= 0 || left >= right || top >= bottom) return Transfer{};
  return Transfer{RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                       static_cast<LONG>(bottom)},
                  static_cast<int>(dx), static_cast<int>(dy)};
}

// Calls move(area) for each non-empty piece of the transfer inside the
// destination's clip.
template <class Move>
void ForEachClipped(DeviceContext& to, const Transfer& transfer, Move&& move) {
  for (const RECT& clip : to.Clip()) {
    const RECT area = gdi::IntersectRects(clip, transfer.wanted);
    if (!gdi::IsEmptyRect(area)) move(area);
  }
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
  DeviceContext* to = gdi::FindDC(dest);
  DeviceContext* from = gdi::FindDC(source);
  const std::optional<gdi::Rop> operation = gdi::RopFromCode(rop);
  if (!to || !from || !operation) return FALSE;

  const gdi::Bitmap& sourceBitmap = from->Target();
  const Transfer transfer =
      Bound(to->Target(), sourceBitmap, x, y, width, height, sourceX, sourceY);
  const gdi::BlitDestination destination{to->Target(), to->textColor, to->bkColor};
  const gdi::BlitSource origin{sourceBitmap, from->bkColor};
  ForEachClipped(*to, transfer, [&](const RECT& area) {
    gdi::BlitRect(destination, origin, area, transfer.dx, transfer.dy, *operation);
  });
  return TRUE;
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, UINT transparent) {
  DeviceContext* to = gdi::FindDC(dest);
  DeviceContext* from = gdi::FindDC(source);
  if (!to || !from || width != sourceWidth || height != sourceHeight) return FALSE;
  gdi::Bitmap& destBitmap = to->Target();
  const gdi::Bitmap& sourceBitmap = from->Target();
  if (destBitmap.Format() != gdi::BitmapFormat::Device32 ||
      sourceBitmap.Format() != gdi::BitmapFormat::Device32 || &destBitmap == &sourceBitmap)
    return FALSE;

  const Transfer transfer = Bound(destBitmap, sourceBitmap, x, y, width, height, sourceX, sourceY);
  const gdi::Pixel key = gdi::PixelFromColor(transparent);
  ForEachClipped(*to, transfer, [&](const RECT& area) {
    gdi::KeyedCopyRect(destBitmap, sourceBitmap, area, transfer.dx, transfer.dy, key);
  });
  return TRUE;
}
