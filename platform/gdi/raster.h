// The pixel engine behind BitBlt: one rectangle, already clipped, copied
// between bitmaps of any two formats under a raster operation, with the
// device's colour conversions:
// - colour to monochrome: a source pixel equal to the source DC's
//   background colour becomes 1 (white), every other pixel 0;
// - monochrome to colour: 0 becomes the destination DC's text colour,
//   1 its background colour.
#pragma once

#include <optional>

#include "platform/core/windef.h"
#include "platform/gdi/bitmap.h"

namespace gdi {

enum class Rop { Copy, Xor, And };

std::optional<Rop> RopFromCode(DWORD code);

struct BlitSource {
  const Bitmap& bitmap;
  COLORREF bkColor;  // the source DC's background colour
};

struct BlitDestination {
  Bitmap& bitmap;
  COLORREF textColor;  // the destination DC's colours
  COLORREF bkColor;
};

// Transfers the rectangle `area` of the destination from the source at
// (area.left + dx, area.top + dy). Both rectangles must lie inside their
// bitmaps. Source and destination may be the same bitmap.
void BlitRect(const BlitDestination& dest, const BlitSource& source, const RECT& area, int dx,
              int dy, Rop rop);

// The same transfer between two different 32-bit device bitmaps, leaving
// the destination's colour wherever the source pixel is `key`: the result
// of XOR-ing the source in, AND-ing with a mask of the key (white where
// keyed, black elsewhere) and XOR-ing the source again, in one pass.
void KeyedCopyRect(Bitmap& dest, const Bitmap& source, const RECT& area, int dx, int dy, Pixel key);

}  // namespace gdi
