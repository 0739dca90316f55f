#include "platform/gdi/bitmap.h"

namespace gdi {

Bitmap::Bitmap(BitmapFormat format, int width, int height)
    : GdiObject(kKind),
      format_(format),
      width_(width),
      height_(height),
      stride_(StrideFor(format, width)),
      pixels_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height)) {}

int Bitmap::StrideFor(BitmapFormat format, int width) {
  switch (format) {
    case BitmapFormat::Mono1: return (width + 15) / 16 * 2;
    case BitmapFormat::Device32: return width * 4;
    case BitmapFormat::Dib24: return (width * 3 + 3) / 4 * 4;
  }
  return 0;
}

Surface32 Bitmap::Surface() {
  if (format_ != BitmapFormat::Device32) return {};
  return Surface32{Row32(0), width_, height_, width_};
}

}  // namespace gdi
