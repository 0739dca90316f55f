// PNG images to and from 32-bit pixels (0x00RRGGBB), through libpng.
// Decoding accepts every colour type and bit depth and drops alpha;
// encoding writes 8-bit RGB with fixed settings and no time stamp, so the
// same pixels always give the same bytes. Each image is compressed once.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/pixels.h"

namespace res {

// Images of more pixels are refused: absurd for this device.
constexpr std::size_t kMaxImagePixels = std::size_t{1} << 26;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<gdi::Pixel> pixels;  // rows top-down, no padding

  gdi::Surface32 View() { return {pixels.data(), width, height, width}; }
};

// nullopt when the bytes are not a complete, valid PNG.
std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes);
std::optional<Image> ReadPngFile(const std::string& path);

// How hard the encoder works. Both are lossless; kFast gives a slightly
// larger file in a fraction of the time, for files read back by tools (a
// script's screenshots), kCompact the smaller file meant to be kept.
enum class PngEncoding { kCompact, kFast };

// Empty when the image is empty or cannot be encoded.
std::vector<std::uint8_t> EncodePng(const gdi::Surface32& image,
                                    PngEncoding encoding = PngEncoding::kCompact);
// The same bytes as EncodePng, streamed into the file.
bool WritePngFile(const std::string& path, const gdi::Surface32& image,
                  PngEncoding encoding = PngEncoding::kCompact);

}  // namespace res
