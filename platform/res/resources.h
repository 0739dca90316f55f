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

// A bitmap's pixels as the build decoded them (pixel_runs.h); empty when
// there is no such bitmap or the build could not decode it.
std::span<const std::uint32_t> FindBitmapPixelRuns(WORD id);

// A dialog template; nullopt when missing or malformed.
std::optional<DialogTemplate> FindDialogTemplate(WORD id);

}  // namespace res
