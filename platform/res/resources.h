// Looking up the resources compiled into the executable.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/res/dialog_template.h"
#include "platform/res/embedded.h"

namespace res {

// The bytes of a resource; empty when there is none of that kind and id.
std::span<const std::uint8_t> FindResource(ResourceKind kind, WORD id);

// A dialog template; nullopt when missing or malformed.
std::optional<DialogTemplate> FindDialogTemplate(WORD id);

}  // namespace res
