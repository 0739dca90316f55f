// The fast PNG encoding: rows handed to libpng straight from the pixels
// (no RGB copy of the image), unfiltered, at zlib's quickest level. On a
// screen of flat panels and text that costs a fraction of the compact
// encoding's time for a file about a third larger.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/gdi/pixels.h"

namespace res {

bool WriteFastPng(const gdi::Surface32& image, std::FILE* file);
bool WriteFastPng(const gdi::Surface32& image, std::vector<std::uint8_t>& out);

}  // namespace res
