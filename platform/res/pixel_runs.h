// Bitmaps as runs of equal pixels, the form the build embeds skins in next
// to their PNG files: a start then copies runs instead of inflating and
// unfiltering every skin it shows. Words: width, height, then for each run
// its length and its pixel (0x00RRGGBB); runs continue across rows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/res/png_codec.h"

namespace res {

std::vector<std::uint32_t> PixelRunsOf(const Image& image);

// The size the runs say they fill (cx by cy); nullopt when it is absent,
// empty or larger than any image accepted.
std::optional<SIZE> PixelRunsSize(std::span<const std::uint32_t> words);

// Writes the runs into a surface of their size, straight into a bitmap's
// rows; false (the surface then partly written) unless the runs fill it
// exactly.
bool DrawPixelRuns(std::span<const std::uint32_t> words, const gdi::Surface32& into);

}  // namespace res
