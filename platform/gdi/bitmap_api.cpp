// Bitmap creation and the size query.
#include <cstring>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"

using gdi::Bitmap;
using gdi::BitmapFormat;
using gdi::ObjectTable;

namespace {

HBITMAP AddBitmap(BitmapFormat format, int width, int height) {
  if (!Bitmap::IsValidSize(width, height)) return nullptr;
  return static_cast<HBITMAP>(ObjectTable::Get().Make<Bitmap>(format, width, height));
}

// Caller's rows of bits, each padded to 16 bits as for the device.
void CopyMonoBits(Bitmap& bitmap, const std::uint8_t* bits) {
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(bitmap.RowBytes(y), bits + static_cast<std::ptrdiff_t>(y) * bitmap.Stride(),
                static_cast<std::size_t>(bitmap.Stride()));
}

void Copy32Bits(Bitmap& bitmap, const std::uint8_t* bits) {
  std::memcpy(
      bitmap.RowBytes(0), bits,
      static_cast<std::size_t>(bitmap.Stride()) * static_cast<std::size_t>(bitmap.Height()));
}

}  // namespace

namespace gdi {

HBITMAP CreateDeviceBitmap(int width, int height) {
  return AddBitmap(BitmapFormat::Device32, width, height);
}

Surface32 BitmapSurface(HBITMAP bitmap) {
  Bitmap* found = ObjectTable::Get().Find<Bitmap>(bitmap);
  return found ? found->Surface() : Surface32{};
}

}  // namespace gdi

// As on the device: the bitmap takes the format of the one selected into
// the DC, so a fresh memory DC (1 x 1 monochrome) gives monochrome bitmaps;
// a zero size gives a new 1 x 1 monochrome bitmap. NULL stands for the screen.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  gdi::DeviceContext* dc = ObjectTable::Get().Find<gdi::DeviceContext>(hdc);
  if (hdc && !dc) return nullptr;
  if (width == 0 || height == 0) return AddBitmap(BitmapFormat::Mono1, 1, 1);
  const bool mono = dc && dc->Target().IsMono();
  return AddBitmap(mono ? BitmapFormat::Mono1 : BitmapFormat::Device32, width, height);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return nullptr;
  const BitmapFormat format = bitsPerPixel == 1 ? BitmapFormat::Mono1 : BitmapFormat::Device32;
  HBITMAP handle = AddBitmap(format, width, height);
  if (handle && bits) {
    Bitmap& bitmap = *ObjectTable::Get().Find<Bitmap>(handle);
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    format == BitmapFormat::Mono1 ? CopyMonoBits(bitmap, bytes) : Copy32Bits(bitmap, bytes);
  }
  return handle;
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
  if (bits) *bits = nullptr;
  if (!info || usage != DIB_RGB_COLORS || section) return nullptr;
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (header.biPlanes != 1 || header.biBitCount != 24 || header.biCompression != BI_RGB)
    return nullptr;
  HBITMAP handle = AddBitmap(BitmapFormat::Dib24, header.biWidth, header.biHeight);
  if (handle && bits) *bits = ObjectTable::Get().Find<Bitmap>(handle)->Bytes();
  return handle;
}

namespace {

int GetFontObject(const gdi::Font& font, int size, LPVOID buffer) {
  if (!buffer) return sizeof(LOGFONTW);
  if (size < static_cast<int>(sizeof(LOGFONTW))) return 0;
  std::memcpy(buffer, &font.Logical(), sizeof(LOGFONTW));
  return sizeof(LOGFONTW);
}

}  // namespace

// Bitmaps fill a BITMAP, fonts a LOGFONTW; the size written is returned,
// or with no buffer the size needed.
int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
  if (const gdi::Font* font = ObjectTable::Get().Find<gdi::Font>(object))
    return GetFontObject(*font, size, buffer);
  Bitmap* bitmap = ObjectTable::Get().Find<Bitmap>(object);
  if (!bitmap) return 0;
  if (!buffer) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  BITMAP info{};
  info.bmWidth = bitmap->Width();
  info.bmHeight = bitmap->Height();
  info.bmWidthBytes = bitmap->Stride();
  info.bmPlanes = 1;
  info.bmBitsPixel = static_cast<WORD>(bitmap->BitsPerPixel());
  info.bmBits = bitmap->Format() == BitmapFormat::Dib24 ? bitmap->Bytes() : nullptr;
  std::memcpy(buffer, &info, sizeof(info));
  return sizeof(BITMAP);
}
