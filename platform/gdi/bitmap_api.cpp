// Bitmap creation and the size query.
#include <cstring>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
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
  gdi::DeviceContext* dc = gdi::FindDC(hdc);
  if (hdc && !dc) return nullptr;
  if (width == 0 || height == 0) return AddBitmap(BitmapFormat::Mono1, 1, 1);
  const bool mono = dc && dc->Target().IsMono();
  return AddBitmap(mono ? BitmapFormat::Mono1 : BitmapFormat::Device32, width, height);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return nullptr;
  HBITMAP handle =
      AddBitmap(bitsPerPixel == 1 ? BitmapFormat::Mono1 : BitmapFormat::Device32, width, height);
  if (handle && bits) {
    // The caller's rows are laid out as the bitmap's own, top row first.
    Bitmap& bitmap = *ObjectTable::Get().Find<Bitmap>(handle);
    std::memcpy(
        bitmap.Bytes(), bits,
        static_cast<std::size_t>(bitmap.Stride()) * static_cast<std::size_t>(bitmap.Height()));
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

template <class Info>
int CopyOut(const Info& info, int size, LPVOID buffer) {
  if (!buffer) return sizeof(Info);
  if (size < static_cast<int>(sizeof(Info))) return 0;
  std::memcpy(buffer, &info, sizeof(Info));
  return sizeof(Info);
}

}  // namespace

// Bitmaps fill a BITMAP, fonts a LOGFONTW; the size written is returned,
// or with no buffer the size needed.
int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
  if (const gdi::Font* font = ObjectTable::Get().Find<gdi::Font>(object))
    return CopyOut(font->Logical(), size, buffer);
  Bitmap* bitmap = ObjectTable::Get().Find<Bitmap>(object);
  if (!bitmap) return 0;
  BITMAP info{};
  info.bmWidth = bitmap->Width();
  info.bmHeight = bitmap->Height();
  info.bmWidthBytes = bitmap->Stride();
  info.bmPlanes = 1;
  info.bmBitsPixel = static_cast<WORD>(bitmap->BitsPerPixel());
  info.bmBits = bitmap->Format() == BitmapFormat::Dib24 ? bitmap->Bytes() : nullptr;
  return CopyOut(info, size, buffer);
}
