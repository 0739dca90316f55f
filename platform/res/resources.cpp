#include "platform/res/resources.h"

#include <algorithm>
#include <string_view>

namespace res {

std::span<const std::uint8_t> FindResource(ResourceKind kind, WORD id) {
  const std::span<const EmbeddedResource> table = EmbeddedResources();
  const auto found =
      std::find_if(table.begin(), table.end(),
                   [kind, id](const EmbeddedResource& r) { return r.kind == kind && r.id == id; });
  if (found == table.end()) return {};
  return {found->bytes, found->size};
}

std::optional<DialogTemplate> FindDialogTemplate(WORD id) {
  const std::span<const std::uint8_t> bytes = FindResource(ResourceKind::Dialog, id);
  if (bytes.empty()) return std::nullopt;
  return ParseDialogTemplate(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace res
