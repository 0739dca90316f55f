#include "platform/gdi/raster.h"

#include <cstring>
#include <vector>

#include "platform/gdi/wingdi.h"

namespace gdi {

std::optional<Rop> RopFromCode(DWORD code) {
  switch (code) {
    case SRCCOPY: return Rop::Copy;
    case SRCINVERT: return Rop::Xor;
    case SRCAND: return Rop::And;
    default: return std::nullopt;
  }
}

namespace {

// Rows travel as "values": 0x00RRGGBB for colour bitmaps, 0 or 1 for
// monochrome ones, already converted into the destination's kind.
using Value = Pixel;

template <Rop rop>
inline Value Combine(Value s, Value d) {
  if constexpr (rop == Rop::Copy) return s;
  if constexpr (rop == Rop::Xor) return s ^ d;
  return s & d;
}

template <Rop rop>
void ApplyToRow32(Pixel* d, const Value* s, int n) {
  for (int i = 0; i < n; ++i) d[i] = Combine<rop>(s[i], d[i]);
}

inline Value ReadColour24(const std::uint8_t* p) {
  return (Value{p[2]} << 16) | (Value{p[1]} << 8) | p[0];
}

// A colour row as values: 32-bit rows are copied, 24-bit rows unpacked.
void ReadColourRow(const Bitmap& b, int x, int y, int n, Value* out) {
  if (b.Format() == BitmapFormat::Device32) {
    std::memcpy(out, b.Row32(y) + x, static_cast<std::size_t>(n) * sizeof(Pixel));
    return;
  }
  const std::uint8_t* p = b.RowBytes(y) + x * 3;
  for (int i = 0; i < n; ++i, p += 3) out[i] = ReadColour24(p);
}

// Reads n source pixels at (x, y) as values of the destination's kind.
void ReadSourceRow(const BlitSource& source, const BlitDestination& dest, int x, int y, int n,
                   Value* out) {
  const Bitmap& b = source.bitmap;
  if (b.IsMono()) {
    const Value zero = dest.bitmap.IsMono() ? 0 : PixelFromColor(dest.textColor);
    const Value one = dest.bitmap.IsMono() ? 1 : PixelFromColor(dest.bkColor);
    const std::uint8_t* row = b.RowBytes(y);
    for (int i = 0; i < n; ++i) out[i] = Bitmap::Bit(row, x + i) ? one : zero;
    return;
  }
  ReadColourRow(b, x, y, n, out);
  if (dest.bitmap.IsMono()) {
    const Pixel key = PixelFromColor(source.bkColor);
    for (int i = 0; i < n; ++i) out[i] = out[i] == key ? 1 : 0;
  }
}

// Copying bits whole bytes at a time where the row allows; masks are built
// this way on every transparent draw.
void CopyToMonoRow(std::uint8_t* row, int x, int n, const Value* s) {
  int i = 0;
  for (; i < n && ((x + i) & 7) != 0; ++i) Bitmap::SetBit(row, x + i, s[i] & 1);
  for (; i + 8 <= n; i += 8) {
    unsigned byte = 0;
    for (int k = 0; k < 8; ++k) byte = (byte << 1) | (s[i + k] & 1);
    row[(x + i) >> 3] = static_cast<std::uint8_t>(byte);
  }
  for (; i < n; ++i) Bitmap::SetBit(row, x + i, s[i] & 1);
}

template <Rop rop>
void ApplyToRow(Bitmap& b, int x, int y, int n, const Value* s) {
  switch (b.Format()) {
    case BitmapFormat::Device32: ApplyToRow32<rop>(b.Row32(y) + x, s, n); return;
    case BitmapFormat::Dib24: {
      std::uint8_t* p = b.RowBytes(y) + x * 3;
      for (int i = 0; i < n; ++i, p += 3) {
        const Value v = Combine<rop>(s[i], ReadColour24(p));
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        p[2] = static_cast<std::uint8_t>(v >> 16);
      }
      return;
    }
    case BitmapFormat::Mono1: {
      std::uint8_t* row = b.RowBytes(y);
      if constexpr (rop == Rop::Copy) {
        CopyToMonoRow(row, x, n, s);
        return;
      }
      for (int i = 0; i < n; ++i)
        Bitmap::SetBit(row, x + i, Combine<rop>(s[i], Bitmap::Bit(row, x + i) ? 1 : 0) & 1);
      return;
    }
  }
}

// 32-bit to 32-bit between different bitmaps: straight on the rows.
template <Rop rop>
void Blit32(Bitmap& dest, const Bitmap& source, const RECT& area, int dx, int dy) {
  const int n = area.right - area.left;
  for (int y = area.top; y < area.bottom; ++y) {
    Pixel* d = dest.Row32(y) + area.left;
    const Pixel* s = source.Row32(y + dy) + area.left + dx;
    if constexpr (rop == Rop::Copy)
      std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(Pixel));
    else
      ApplyToRow32<rop>(d, s, n);
  }
}

// Any formats, through one row of converted source values. Rows are taken
// in the order that reads every source row before it is overwritten when
// source and destination share a bitmap.
template <Rop rop>
void BlitThroughRow(const BlitDestination& dest, const BlitSource& source, const RECT& area, int dx,
                    int dy) {
  const int n = area.right - area.left;
  std::vector<Value> row(static_cast<std::size_t>(n));
  const bool upward = &dest.bitmap == &source.bitmap && dy < 0;
  for (int i = 0; i < area.bottom - area.top; ++i) {
    const int y = upward ? area.bottom - 1 - i : area.top + i;
    ReadSourceRow(source, dest, area.left + dx, y + dy, n, row.data());
    ApplyToRow<rop>(dest.bitmap, area.left, y, n, row.data());
  }
}

template <Rop rop>
void BlitWith(const BlitDestination& dest, const BlitSource& source, const RECT& area, int dx,
              int dy) {
  const bool both32 = dest.bitmap.Format() == BitmapFormat::Device32 &&
                      source.bitmap.Format() == BitmapFormat::Device32;
  if (both32 && &dest.bitmap != &source.bitmap)
    Blit32<rop>(dest.bitmap, source.bitmap, area, dx, dy);
  else
    BlitThroughRow<rop>(dest, source, area, dx, dy);
}

}  // namespace

void KeyedCopyRect(Bitmap& dest, const Bitmap& source, const RECT& area, int dx, int dy,
                   Pixel key) {
  // What the three-pass mask composition leaves: a keyed pixel keeps the
  // destination's colour bits, and only those, as the white mask keeps them.
  constexpr Pixel kColourBits = 0x00FFFFFF;
  const int n = area.right - area.left;
  for (int y = area.top; y < area.bottom; ++y) {
    Pixel* d = dest.Row32(y) + area.left;
    const Pixel* s = source.Row32(y + dy) + area.left + dx;
    for (int i = 0; i < n; ++i) d[i] = s[i] == key ? d[i] & kColourBits : s[i];
  }
}

void BlitRect(const BlitDestination& dest, const BlitSource& source, const RECT& area, int dx,
              int dy, Rop rop) {
  switch (rop) {
    case Rop::Copy: BlitWith<Rop::Copy>(dest, source, area, dx, dy); return;
    case Rop::Xor: BlitWith<Rop::Xor>(dest, source, area, dx, dy); return;
    case Rop::And: BlitWith<Rop::And>(dest, source, area, dx, dy); return;
  }
}

}  // namespace gdi
