#include "platform/res/resources.h"

#include <algorithm>
#include <string_view>

namespace res {

namespace {

const EmbeddedResource* Find(ResourceKind kind, WORD id) {
  const std::span<const EmbeddedResource> table = EmbeddedResources();
  const auto found =
      std::find_if(table.begin(), table.end(),
                   [kind, id](const EmbeddedResource& r) { return r.kind == kind && r.id == id; });
  return found == table.end() ? nullptr : &*found;
}

}  // namespace

std::span<const std::uint8_t> FindResource(ResourceKind kind, WORD id) {
  const EmbeddedResource* found = Find(kind, id);
  if (!found) return {};
  return {found->bytes, found->size};
}

std::span<const std::uint32_t> FindBitmapPixelRuns(WORD id) {
  const EmbeddedResource* found = Find(ResourceKind::Bitmap, id);
  return found ? found->pixelRuns : std::span<const std::uint32_t>{};
}

std::optional<DialogTemplate> FindDialogTemplate(WORD id) {
  const std::span<const std::uint8_t> bytes = FindResource(ResourceKind::Dialog, id);
  if (bytes.empty()) return std::nullopt;
  return ParseDialogTemplate(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace res
