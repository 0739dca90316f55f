// A bitmap's pixel storage in one of the three formats the device uses.
// Pixels are addressed top row first in every format; the bottom-up row
// order of a 24-bit DIB section is hidden in RowBytes.
#pragma once

#include <cstdint>

#include "platform/core/zeroed_memory.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pixels.h"

namespace gdi {

enum class BitmapFormat {
  Mono1,     // 1 bit per pixel, most significant bit leftmost, rows padded to 16 bits
  Device32,  // 0x00RRGGBB words, the screen's format
  Dib24,     // B, G, R bytes, rows padded to 4 bytes, stored bottom-up
};
constexpr int kBitsPerPixel[] = {1, 32, 24};  // by BitmapFormat

class Bitmap : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Bitmap;

  // Largest side accepted; keeps every size computation far from overflow.
  static constexpr int kMaxSide = 8192;
  static bool IsValidSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
  }

  // Zero-filled. The size must satisfy IsValidSize.
  Bitmap(BitmapFormat format, int width, int height);

  BitmapFormat Format() const { return format_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }  // bytes per row
  int BitsPerPixel() const { return kBitsPerPixel[static_cast<int>(format_)]; }
  bool IsMono() const { return format_ == BitmapFormat::Mono1; }

  // The first byte of row y (0 = top).
  std::uint8_t* RowBytes(int y) { return Bytes() + RowOffset(y); }
  const std::uint8_t* RowBytes(int y) const {
    return reinterpret_cast<const std::uint8_t*>(pixels_.Data()) + RowOffset(y);
  }
  // All pixel bytes in storage order (for a DIB section: the bottom row first).
  std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(pixels_.Data()); }

  // Device32 rows as pixels.
  Pixel* Row32(int y) { return reinterpret_cast<Pixel*>(RowBytes(y)); }
  const Pixel* Row32(int y) const { return reinterpret_cast<const Pixel*>(RowBytes(y)); }

  // Mono1 bits, by row and by position.
  static bool Bit(const std::uint8_t* row, int x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; }
  static void SetBit(std::uint8_t* row, int x, bool on) {
    const unsigned shift = 7 - (x & 7);
    std::uint8_t& byte = row[x >> 3];
    byte = static_cast<std::uint8_t>((byte & ~(1u << shift)) | (unsigned{on} << shift));
  }
  bool Bit(int x, int y) const { return Bit(RowBytes(y), x); }
  void SetBit(int x, int y, bool on) { SetBit(RowBytes(y), x, on); }

  // The pixel view of a Device32 bitmap; empty for the other formats.
  Surface32 Surface();

 private:
  static int StrideFor(BitmapFormat format, int width);
  std::ptrdiff_t RowOffset(int y) const {
    const int stored = format_ == BitmapFormat::Dib24 ? height_ - 1 - y : y;
    return static_cast<std::ptrdiff_t>(stored) * stride_;
  }

  BitmapFormat format_;
  int width_;
  int height_;
  int stride_;
  core::ZeroedMemory pixels_;  // aligned for Device32 rows
};

}  // namespace gdi
