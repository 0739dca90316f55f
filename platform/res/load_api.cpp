// LoadBitmap, LoadIcon and DrawIcon over the embedded resources.
#include "platform/core/or_failure.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"
#include "platform/res/pixel_runs.h"
#include "platform/res/resources.h"
#include "platform/res/winresource.h"

namespace {

// Icon handles carry their resource id under a tag no other handle uses.
constexpr std::uintptr_t kIconTag = 0x1C0Du << 16;

std::optional<WORD> IdOf(LPCWSTR name) {
  if (!name || !IS_INTRESOURCE(name)) return std::nullopt;
  return static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
}

// A new device bitmap with the runs' pixels written straight into it.
HBITMAP BitmapFromRuns(std::span<const std::uint32_t> runs) {
  const std::optional<SIZE> size = res::PixelRunsSize(runs);
  HBITMAP bitmap = size ? gdi::CreateDeviceBitmap(size->cx, size->cy) : nullptr;
  if (bitmap && !res::DrawPixelRuns(runs, gdi::BitmapSurface(bitmap))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

HBITMAP BitmapFromPng(std::span<const std::uint8_t> png) {
  const std::optional<res::Image> image = res::DecodePng(png);
  return image ? CreateBitmap(image->width, image->height, 1, 32, image->pixels.data()) : nullptr;
}

}  // namespace

HBITMAP LoadBitmap(HINSTANCE, LPCWSTR name) {
  return platform::OrFailure<HBITMAP>(nullptr, [&]() -> HBITMAP {
    const std::optional<WORD> id = IdOf(name);
    if (!id) return nullptr;
    const std::span<const std::uint8_t> bytes = res::FindResource(res::ResourceKind::Bitmap, *id);
    if (bytes.empty()) return nullptr;
    // The build decoded every bitmap it could into runs; one it could not
    // will not decode now either, but is given its chance.
    const std::span<const std::uint32_t> runs = res::FindBitmapPixelRuns(*id);
    return runs.empty() ? BitmapFromPng(bytes) : BitmapFromRuns(runs);
  });
}

HICON LoadIcon(HINSTANCE, LPCWSTR name) {
  return platform::OrFailure<HICON>(nullptr, [&]() -> HICON {
    const std::optional<WORD> id = IdOf(name);
    if (!id || res::FindResource(res::ResourceKind::Icon, *id).empty()) return nullptr;
    return reinterpret_cast<HICON>(kIconTag | *id);
  });
}

namespace res {

std::optional<Image> LoadIconImage(WORD id) {
  return DecodePng(FindResource(ResourceKind::Icon, id));
}

std::optional<Image> IconImage(HICON icon) {
  const auto value = reinterpret_cast<std::uintptr_t>(icon);
  if ((value & ~std::uintptr_t{0xFFFF}) != kIconTag) return std::nullopt;
  return LoadIconImage(static_cast<WORD>(value & 0xFFFF));
}

}  // namespace res

// Icons come from PNG resources whose decoding drops alpha, so every pixel
// is drawn.
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
  const std::optional<res::Image> image = res::IconImage(icon);
  if (!image || GetObjectType(hdc) == 0) return FALSE;
  HBITMAP pixels = CreateBitmap(image->width, image->height, 1, 32, image->pixels.data());
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ previous = SelectObject(memory, pixels);
  const BOOL drawn = BitBlt(hdc, x, y, image->width, image->height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(pixels);
  return drawn;
}
