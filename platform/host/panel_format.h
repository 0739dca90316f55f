// A framebuffer's pixel formats as the kernel describes them (where each
// colour's bits lie in a pixel), and the screen's pixels converted into them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/gdi/pixels.h"

namespace host {

// One colour's bits in a panel pixel: `length` bits from bit `offset` up.
struct ColourField {
  int offset = 0;
  int length = 0;
  bool operator==(const ColourField&) const = default;
};

// Pixels are stored little-endian, as the kernel's framebuffers keep them.
struct PanelFormat {
  int bitsPerPixel = 32;
  ColourField red{16, 8};
  ColourField green{8, 8};
  ColourField blue{0, 8};
  bool operator==(const PanelFormat&) const = default;
};

// The size and depth a regular file standing in for a framebuffer is given.
struct FramebufferGeometry {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
};

// "WxH@BPP", BPP 16, 24 or 32.
std::optional<FramebufferGeometry> ParseFramebufferGeometry(std::string_view text);

// The usual layout at a depth: RGB565, RGB888 or XRGB8888.
std::optional<PanelFormat> PanelFormatForDepth(int bitsPerPixel);

// 16, 24 or 32 bits a pixel, each colour 1..8 bits lying within the pixel.
bool IsWritableFormat(const PanelFormat& format);

// One screen pixel (0x00RRGGBB) in the panel's format; each colour keeps
// its top bits.
std::uint32_t PanelPixel(gdi::Pixel pixel, const PanelFormat& format);

// `count` screen pixels as panel pixels at `to`.
void ConvertRow(const gdi::Pixel* from, int count, const PanelFormat& format, std::uint8_t* to);

}  // namespace host
