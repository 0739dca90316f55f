// LoadBitmap and LoadIcon over the embedded resources.
#include <algorithm>

#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"
#include "platform/res/resource_images.h"
#include "platform/res/resources.h"
#include "platform/res/winresource.h"

namespace {

// Icon handles carry their resource id under a tag no other handle uses.
constexpr std::uintptr_t kIconTag = 0x1C0Du << 16;

std::optional<WORD> IdOf(LPCWSTR name) {
  if (!name || !IS_INTRESOURCE(name)) return std::nullopt;
  return static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
}

std::optional<WORD> IconIdOf(HICON icon) {
  const auto value = reinterpret_cast<std::uintptr_t>(icon);
  if ((value & ~std::uintptr_t{0xFFFF}) != kIconTag) return std::nullopt;
  const auto id = static_cast<WORD>(value & 0xFFFF);
  if (res::FindResource(res::ResourceKind::Icon, id).empty()) return std::nullopt;
  return id;
}

// The image's colours in a new device bitmap; alpha is dropped.
HBITMAP DeviceBitmapFrom(const res::Image& image) {
  HBITMAP bitmap = gdi::CreateDeviceBitmap(image.width, image.height);
  const gdi::Surface32 surface = gdi::BitmapSurface(bitmap);
  if (!surface.pixels) return nullptr;
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* source = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    std::transform(source, source + image.width, surface.Row(y),
                   [](std::uint32_t argb) { return argb & 0x00FFFFFFu; });
  }
  return bitmap;
}

}  // namespace

HBITMAP LoadBitmap(HINSTANCE, LPCWSTR name) {
  const std::optional<WORD> id = IdOf(name);
  if (!id) return nullptr;
  const std::span<const std::uint8_t> bytes = res::FindResource(res::ResourceKind::Bitmap, *id);
  if (bytes.empty()) return nullptr;
  const std::optional<res::Image> image = res::DecodePng(bytes);
  return image ? DeviceBitmapFrom(*image) : nullptr;
}

HICON LoadIcon(HINSTANCE, LPCWSTR name) {
  const std::optional<WORD> id = IdOf(name);
  if (!id || res::FindResource(res::ResourceKind::Icon, *id).empty()) return nullptr;
  return reinterpret_cast<HICON>(kIconTag | *id);
}

// Icons are resources, not copies: there is nothing to free.
BOOL DestroyIcon(HICON icon) { return IconIdOf(icon) ? TRUE : FALSE; }

namespace res {

std::optional<Image> LoadIconImage(WORD id) {
  const std::span<const std::uint8_t> bytes = FindResource(ResourceKind::Icon, id);
  if (bytes.empty()) return std::nullopt;
  return DecodePng(bytes);
}

std::optional<Image> IconImage(HICON icon) {
  const std::optional<WORD> id = IconIdOf(icon);
  return id ? LoadIconImage(*id) : std::nullopt;
}

}  // namespace res
