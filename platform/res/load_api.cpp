// LoadBitmap and LoadIcon over the embedded resources.
#include <unordered_map>

#include "platform/core/context.h"
#include "platform/gdi/wingdi.h"
#include "platform/res/pixel_runs.h"
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

// A bitmap from the runs the build decoded it into, or from its PNG when
// the build could not decode it (then it will not decode now either).
std::optional<res::Image> DecodeBitmap(WORD id, std::span<const std::uint8_t> png) {
  const std::span<const std::uint32_t> runs = res::FindBitmapPixelRuns(id);
  return runs.empty() ? res::DecodePng(png) : res::ImageFromPixelRuns(runs);
}

// Bitmap resources decoded once per process: every dialog loads its skins
// when it opens, and the embedded bytes never change. A resource that does
// not decode is remembered as such.
class DecodedBitmaps : public platform::Service {
 public:
  const std::optional<res::Image>& Get(WORD id, std::span<const std::uint8_t> bytes) {
    auto found = images_.find(id);
    if (found == images_.end()) found = images_.emplace(id, DecodeBitmap(id, bytes)).first;
    return found->second;
  }

 private:
  std::unordered_map<WORD, std::optional<res::Image>> images_;
};

// The image's pixels in a new device bitmap.
HBITMAP DeviceBitmapFrom(const res::Image& image) {
  return CreateBitmap(image.width, image.height, 1, 32, image.pixels.data());
}

}  // namespace

HBITMAP LoadBitmap(HINSTANCE, LPCWSTR name) {
  const std::optional<WORD> id = IdOf(name);
  if (!id) return nullptr;
  const std::span<const std::uint8_t> bytes = res::FindResource(res::ResourceKind::Bitmap, *id);
  if (bytes.empty()) return nullptr;
  const std::optional<res::Image>& image =
      platform::Context::Get().Use<DecodedBitmaps>().Get(*id, bytes);
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
