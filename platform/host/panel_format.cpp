#include "platform/host/panel_format.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && __has_include(<sys/platform/x86.h>)
#include <sys/platform/x86.h>
#endif

#include "platform/res/words.h"

namespace host {
namespace {

constexpr int kLargestSide = 8192;

bool FieldFits(const ColourField& field, int bitsPerPixel) {
  return field.length >= 1 && field.length <= 8 && field.offset >= 0 &&
         field.offset + field.length <= bitsPerPixel;
}

std::uint32_t Field(std::uint32_t colour, const ColourField& field) {
  return (colour >> (8 - field.length)) << field.offset;
}

// Each pixel is stored with memcpy: a framebuffer holds bytes, no words to
// alias, and the compiler still vectorises the loops. The two layouts of
// nearly every panel have their shifts fixed; any other takes the fields'
// shifts, the same for every pixel.
template <typename Word>
void Store(std::uint8_t* to, int i, std::uint32_t value) {
  const auto word = static_cast<Word>(value);
  std::memcpy(to + static_cast<std::ptrdiff_t>(i) * sizeof(Word), &word, sizeof word);
}

// 32 pixels at a time in 32-bit lanes narrowed once at the end: left to
// itself the compiler narrows each colour apart, three times the shuffles,
// which bound the loop; fewer lanes a step leave the loads waiting. The
// last few pixels go the general way.
[[gnu::always_inline]] inline void PackRgb565Lanes(const gdi::Pixel* from, int count,
                                                   std::uint8_t* to) {
  using Wide = std::uint32_t __attribute__((vector_size(128)));
  using Narrow = std::uint16_t __attribute__((vector_size(64)));
  constexpr int kLanes = 32;
  int i = 0;
  for (; i + kLanes <= count; i += kLanes) {
    Wide p;
    std::memcpy(&p, from + i, sizeof p);
    const Narrow packed = __builtin_convertvector(
        ((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p >> 3) & 0x1F), Narrow);
    std::memcpy(to + static_cast<std::ptrdiff_t>(i) * 2, &packed, sizeof packed);
  }
  const PanelFormat rgb565 = *PanelFormatForDepth(16);
  for (; i < count; ++i) Store<std::uint16_t>(to, i, PanelPixel(from[i], rgb565));
}

void PackRgb565Baseline(const gdi::Pixel* from, int count, std::uint8_t* to) {
  PackRgb565Lanes(from, count, to);
}

// On x86-64 the same built for AVX2 and for AVX-512 (whose three-input
// logic folds the masks and ORs) too, chosen by what the C library found of
// the processor when it started (asking the processor again costs
// a start-up a third of a millisecond in a virtual machine).
#if defined(__x86_64__) && __has_include(<sys/platform/x86.h>)
[[gnu::target("avx2")]] void PackRgb565Avx2(const gdi::Pixel* from, int count, std::uint8_t* to) {
  PackRgb565Lanes(from, count, to);
}

[[gnu::target("avx512bw")]] void PackRgb565Avx512(const gdi::Pixel* from, int count,
                                                  std::uint8_t* to) {
  PackRgb565Lanes(from, count, to);
}

void PackRgb565(const gdi::Pixel* from, int count, std::uint8_t* to) {
  static const auto pack = CPU_FEATURE_ACTIVE(AVX512BW) ? PackRgb565Avx512
                           : CPU_FEATURE_ACTIVE(AVX2)   ? PackRgb565Avx2
                                                        : PackRgb565Baseline;
  pack(from, count, to);
}
#else
void PackRgb565(const gdi::Pixel* from, int count, std::uint8_t* to) {
  PackRgb565Baseline(from, count, to);
}
#endif

void PackXrgb(const gdi::Pixel* from, int count, std::uint8_t* to) {
  for (int i = 0; i < count; ++i) Store<std::uint32_t>(to, i, from[i] & 0xFFFFFF);
}

// The format copied so that the stores, bytes that may alias anything,
// leave its fields in registers.
template <typename Word>
void PackFields(const gdi::Pixel* from, int count, const PanelFormat& format, std::uint8_t* to) {
  const PanelFormat local = format;
  for (int i = 0; i < count; ++i) Store<Word>(to, i, PanelPixel(from[i], local));
}

void ConvertTriples(const gdi::Pixel* from, int count, const PanelFormat& format,
                    std::uint8_t* to) {
  for (int i = 0; i < count; ++i, to += 3) {
    const std::uint32_t value = PanelPixel(from[i], format);
    to[0] = static_cast<std::uint8_t>(value);
    to[1] = static_cast<std::uint8_t>(value >> 8);
    to[2] = static_cast<std::uint8_t>(value >> 16);
  }
}

}  // namespace

std::optional<FramebufferGeometry> ParseFramebufferGeometry(std::string_view text) {
  const size_t by = text.find('x');
  const size_t at = text.find('@');
  if (by == std::string_view::npos || at == std::string_view::npos || at < by) return std::nullopt;
  const std::optional<int> width = res::ParseNumber<int>(text.substr(0, by));
  const std::optional<int> height = res::ParseNumber<int>(text.substr(by + 1, at - by - 1));
  const std::optional<int> depth = res::ParseNumber<int>(text.substr(at + 1));
  if (!width || !height || !depth || *width < 1 || *height < 1 || *width > kLargestSide ||
      *height > kLargestSide || !PanelFormatForDepth(*depth))
    return std::nullopt;
  return FramebufferGeometry{*width, *height, *depth};
}

std::optional<PanelFormat> PanelFormatForDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 16: return PanelFormat{16, {11, 5}, {5, 6}, {0, 5}};
    case 24: return PanelFormat{24, {16, 8}, {8, 8}, {0, 8}};
    case 32: return PanelFormat{32, {16, 8}, {8, 8}, {0, 8}};
    default: return std::nullopt;
  }
}

bool IsWritableFormat(const PanelFormat& format) {
  const int bits = format.bitsPerPixel;
  return (bits == 16 || bits == 24 || bits == 32) && FieldFits(format.red, bits) &&
         FieldFits(format.green, bits) && FieldFits(format.blue, bits);
}

std::uint32_t PanelPixel(gdi::Pixel pixel, const PanelFormat& format) {
  return Field((pixel >> 16) & 0xFF, format.red) | Field((pixel >> 8) & 0xFF, format.green) |
         Field(pixel & 0xFF, format.blue);
}

void ConvertRow(const gdi::Pixel* from, int count, const PanelFormat& format, std::uint8_t* to) {
  if (format == *PanelFormatForDepth(16)) return PackRgb565(from, count, to);
  if (format == *PanelFormatForDepth(32)) return PackXrgb(from, count, to);
  switch (format.bitsPerPixel) {
    case 16: PackFields<std::uint16_t>(from, count, format, to); break;
    case 24: ConvertTriples(from, count, format, to); break;
    default: PackFields<std::uint32_t>(from, count, format, to); break;
  }
}

}  // namespace host
