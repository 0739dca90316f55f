// The face a device face name gets on Debian, found by its file name: a
// start then needs no fontconfig, whose configuration takes longer to read
// than the rest of the start. It gives what fontconfig would give for the
// same request on a system with fonts-nanum and fontconfig's own setup.
#pragma once

#include <optional>
#include <string_view>

#include "platform/gdi/face_resolver.h"

namespace gdi {

// The device's face names ("Gulim", "System"), which no desktop has, and
// the empty name: all served by the Korean sans-serif face.
bool IsDeviceFace(std::wstring_view face);

// NanumGothic (its bold file for weight 600 and more; italic slanted), for
// a device face name, when the file is installed and neither the
// environment nor the user's own configuration gives fontconfig a say.
std::optional<FaceFile> KnownKoreanFace(const FontSpec& wanted);

}  // namespace gdi
