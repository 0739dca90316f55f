// The pixels of icon resources (icons are PNG images), for the host's
// window icon and for DrawIcon.
#pragma once

#include <optional>

#include "platform/core/windef.h"
#include "platform/res/png_codec.h"

namespace res {

// nullopt when the icon is missing or unreadable.
std::optional<Image> LoadIconImage(WORD id);

// The pixels of an icon handle from LoadIcon; nullopt for any other value.
std::optional<Image> IconImage(HICON icon);

}  // namespace res
