#include "platform/gdi/bitmap.h"

namespace gdi {

Bitmap::Bitmap(BitmapFormat format, int width, int height)
    : GdiObject(kKind),
      format_(format),
      width_(width),
      height_(height),
      stride_(StrideFor(format, width)) {
  const std::size_t bytes = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height);
  words_.assign((bytes + 3) / 4, 0);
}

int Bitmap::StrideFor(BitmapFormat format, int width) {
  switch (format) {
    case BitmapFormat::Mono1: return (width + 15) / 16 * 2;
    case BitmapFormat::Device32: return width * 4;
    case BitmapFormat::Dib24: return (width * 3 + 3) / 4 * 4;
  }
  return 0;
}

int Bitmap::BitsPerPixel() const {
  switch (format_) {
    case BitmapFormat::Mono1: return 1;
    case BitmapFormat::Device32: return 32;
    case BitmapFormat::Dib24: return 24;
  }
  return 0;
}

std::uint8_t* Bitmap::RowBytes(int y) {
  return const_cast<std::uint8_t*>(static_cast<const Bitmap*>(this)->RowBytes(y));
}

const std::uint8_t* Bitmap::RowBytes(int y) const {
  const int storedRow = format_ == BitmapFormat::Dib24 ? height_ - 1 - y : y;
  return reinterpret_cast<const std::uint8_t*>(words_.data()) +
         static_cast<std::ptrdiff_t>(storedRow) * stride_;
}

void Bitmap::SetBit(int x, int y, bool on) {
  std::uint8_t& byte = RowBytes(y)[x >> 3];
  const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
  byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

Surface32 Bitmap::Surface() {
  if (format_ != BitmapFormat::Device32) return {};
  return Surface32{Row32(0), width_, height_, width_};
}

}  // namespace gdi
