#include "platform/host/panel_format.h"

#include <charconv>
#include <cstring>

namespace host {
namespace {

constexpr int kLargestSide = 8192;

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

bool FieldFits(const ColourField& field, int bitsPerPixel) {
  return field.length >= 1 && field.length <= 8 && field.offset >= 0 &&
         field.offset + field.length <= bitsPerPixel;
}

std::uint32_t Field(std::uint32_t colour, const ColourField& field) {
  return (colour >> (8 - field.length)) << field.offset;
}

// One loop per pixel size, so that the compiler can vectorise the common
// case of a whole-factor 1.
template <typename Word>
void ConvertWords(const gdi::Pixel* from, int count, int scale, const PanelFormat& format,
                  std::uint8_t* to) {
  for (int i = 0; i < count; ++i) {
    const auto value = static_cast<Word>(PanelPixel(from[i], format));
    for (int copy = 0; copy < scale; ++copy, to += sizeof(Word))
      std::memcpy(to, &value, sizeof value);
  }
}

void ConvertTriples(const gdi::Pixel* from, int count, int scale, const PanelFormat& format,
                    std::uint8_t* to) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t value = PanelPixel(from[i], format);
    for (int copy = 0; copy < scale; ++copy, to += 3) {
      to[0] = static_cast<std::uint8_t>(value);
      to[1] = static_cast<std::uint8_t>(value >> 8);
      to[2] = static_cast<std::uint8_t>(value >> 16);
    }
  }
}

}  // namespace

std::optional<FramebufferGeometry> ParseFramebufferGeometry(std::string_view text) {
  const size_t by = text.find('x');
  const size_t at = text.find('@');
  if (by == std::string_view::npos || at == std::string_view::npos || at < by) return std::nullopt;
  const std::optional<int> width = WholeNumber(text.substr(0, by));
  const std::optional<int> height = WholeNumber(text.substr(by + 1, at - by - 1));
  const std::optional<int> depth = WholeNumber(text.substr(at + 1));
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

void ConvertRow(const gdi::Pixel* from, int count, int scale, const PanelFormat& format,
                std::uint8_t* to) {
  switch (format.bitsPerPixel) {
    case 16: ConvertWords<std::uint16_t>(from, count, scale, format, to); break;
    case 24: ConvertTriples(from, count, scale, format, to); break;
    default: ConvertWords<std::uint32_t>(from, count, scale, format, to); break;
  }
}

}  // namespace host
