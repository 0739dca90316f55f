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

// An icon's pixels (icons are PNG images); nullopt when missing or unreadable.
std::optional<Image> LoadIconImage(WORD id);

// The pixels of an icon handle from LoadIcon; nullopt for any other value.
std::optional<Image> IconImage(HICON icon);

// A dialog template; nullopt when missing or malformed.
std::optional<DialogTemplate> FindDialogTemplate(WORD id);

}  // namespace res
