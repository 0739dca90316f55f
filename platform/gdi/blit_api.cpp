// BitBlt: clipping, then the raster engine per clip rectangle.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/wingdi.h"

using gdi::DeviceContext;

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
  gdi::ObjectTable& table = gdi::ObjectTable::Get();
  DeviceContext* to = table.Find<DeviceContext>(dest);
  DeviceContext* from = table.Find<DeviceContext>(source);
  const std::optional<gdi::Rop> operation = gdi::RopFromCode(rop);
  if (!to || !from || !operation) return FALSE;
  if (width <= 0 || height <= 0) return TRUE;

  const gdi::Bitmap& sourceBitmap = from->Target();
  const gdi::Bitmap& destBitmap = to->Target();
  // The part of the destination rectangle inside the destination bitmap
  // whose source pixels exist, worked out wide so no sum can overflow.
  using Wide = long long;
  const Wide dx = Wide{sourceX} - x;
  const Wide dy = Wide{sourceY} - y;
  const Wide left = std::max({Wide{x}, -dx, Wide{0}});
  const Wide top = std::max({Wide{y}, -dy, Wide{0}});
  const Wide right =
      std::min({Wide{x} + width, sourceBitmap.Width() - dx, Wide{destBitmap.Width()}});
  const Wide bottom =
      std::min({Wide{y} + height, sourceBitmap.Height() - dy, Wide{destBitmap.Height()}});
  if (left >= right || top >= bottom) return TRUE;
  const RECT wanted{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                    static_cast<LONG>(bottom)};

  const gdi::BlitDestination destination{to->Target(), to->textColor, to->bkColor};
  const gdi::BlitSource origin{sourceBitmap, from->bkColor};
  for (const RECT& clip : to->Clip()) {
    const RECT area = gdi::IntersectRects(clip, wanted);
    if (!gdi::IsEmptyRect(area))
      gdi::BlitRect(destination, origin, area, static_cast<int>(dx), static_cast<int>(dy),
                    *operation);
  }
  return TRUE;
}
