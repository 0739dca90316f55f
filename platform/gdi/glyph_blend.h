// Blending a glyph's 8-bit coverage over 32-bit pixels, and a memo of
// recent blends: text is drawn again and again in a few inks over the same
// few skin colours, where a lookup costs a few instructions and the blend
// some forty.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/gdi/pixels.h"

namespace gdi {

constexpr int kFullCoverage = 255;

// dst + (src - dst) * coverage / 255 on each channel, truncated toward
// zero: exact at 0 and 255. The result's top byte is zero whatever dst's.
constexpr Pixel BlendPixel(Pixel dst, Pixel src, int coverage) {
  Pixel out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((dst >> shift) & 0xFF);
    const int s = static_cast<int>((src >> shift) & 0xFF);
    out |= static_cast<Pixel>(d + (s - d) * coverage / kFullCoverage) << shift;
  }
  return out;
}

// Gives exactly BlendPixel's result, remembering the last blend that fell
// in each of its slots.
class BlendMemo {
 public:
  // coverage: 1 to 254 (the two ends need no blend).
  Pixel Blend(Pixel dst, Pixel ink, int coverage) {
    const std::uint64_t key = KeyOf(dst, ink, coverage);
    const std::size_t slot = SlotOf(key);
    if (keys_[slot] != key) {
      keys_[slot] = key;
      blended_[slot] = BlendPixel(dst, ink, coverage);
    }
    return blended_[slot];
  }

 private:
  static constexpr int kSlotBits = 12;

  // Never 0 for a coverage of 1 to 254, so 0 marks an empty slot.
  static std::uint64_t KeyOf(Pixel dst, Pixel ink, int coverage) {
    return (std::uint64_t{ink & 0xFFFFFFu} << 32) |
           (static_cast<std::uint64_t>(coverage & 0xFF) << 24) | (dst & 0xFFFFFFu);
  }
  static std::size_t SlotOf(std::uint64_t key) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
  }

  std::array<std::uint64_t, std::size_t{1} << kSlotBits> keys_{};
  std::array<Pixel, std::size_t{1} << kSlotBits> blended_{};
};

}  // namespace gdi
