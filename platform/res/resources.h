// Looking up the resources compiled into the executable.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/res/dialog_template.h"
#include "platform/res/embedded.h"
#include "platform/res/png_codec.h"

namespace res {

// The bytes of a resource; empty when there is none of that kind and id.
std::span<const std::uint8_t> FindResource(ResourceKind kind, WORD id);

// A bitmap's pixels as the build decoded them (pixel_runs.h); empty when
// there is no such bitmap or the build could not decode it.
std::span<const std::uint32_t> FindBitmapPixelRuns(WORD id);

// A dialog template; nullopt when missing or malformed.
std::optional<DialogTemplate> FindDialogTemplate(WORD id);

// An icon resource's pixels (icons are PNG images), for the host's window
// icon and for DrawIcon; nullopt when the icon is missing or unreadable.
std::optional<Image> LoadIconImage(WORD id);

// The pixels of an icon handle from LoadIcon; nullopt for any other value.
std::optional<Image> IconImage(HICON icon);

}  // namespace res
