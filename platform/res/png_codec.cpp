// Built on libpng's simplified interface, which keeps libpng's longjmp error
// handling inside the library: no frame of ours is ever jumped over.
#include "platform/res/png_codec.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace res {

namespace {

constexpr int kRgbBytes = 3;
// Decoded with alpha kept and then ignored: asking libpng for RGB would
// composite onto black instead of dropping the alpha.
constexpr int kRgbaBytes = 4;

// Frees libpng's decoder state (and the file it reads) on every path out.
struct ImageReader {
  png_image image{};
  ImageReader() { image.version = PNG_IMAGE_VERSION; }
  ~ImageReader() { png_image_free(&image); }
  ImageReader(const ImageReader&) = delete;
  ImageReader& operator=(const ImageReader&) = delete;
};

void PackRgba(const std::vector<std::uint8_t>& rgba, std::vector<gdi::Pixel>& pixels) {
  const std::uint8_t* source = rgba.data();
  for (gdi::Pixel& pixel : pixels) {
    pixel = (gdi::Pixel{source[0]} << 16) | (gdi::Pixel{source[1]} << 8) | source[2];
    source += kRgbaBytes;
  }
}

std::vector<std::uint8_t> UnpackRgb(const gdi::Surface32& image) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.width) * image.height * kRgbBytes);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < image.height; ++y) {
    const gdi::Pixel* row = image.Row(y);
    for (int x = 0; x < image.width; ++x) {
      *out++ = static_cast<std::uint8_t>(row[x] >> 16);
      *out++ = static_cast<std::uint8_t>(row[x] >> 8);
      *out++ = static_cast<std::uint8_t>(row[x]);
    }
  }
  return rgb;
}

bool Encodable(const gdi::Surface32& image) {
  return image.pixels && image.width > 0 && image.height > 0 && image.stride >= image.width &&
         std::size_t{static_cast<unsigned>(image.width)} * image.height <= kMaxImagePixels;
}

// The simplified writer writes no tIME chunk, so its output depends on the
// pixels alone. The fast encoding is unfiltered, at a quick zlib level.
png_image WriteHeader(const gdi::Surface32& image, PngEncoding encoding) {
  png_image header{};
  header.version = PNG_IMAGE_VERSION;
  header.width = static_cast<png_uint_32>(image.width);
  header.height = static_cast<png_uint_32>(image.height);
  header.format = PNG_FORMAT_RGB;
  if (encoding == PngEncoding::kFast) header.flags |= PNG_IMAGE_FLAG_FAST;
  return header;
}

// The pixels of a PNG whose header the reader has read.
std::optional<Image> FinishDecode(ImageReader& reader) {
  const std::size_t count = std::size_t{reader.image.width} * reader.image.height;
  if (count == 0 || count > kMaxImagePixels) return std::nullopt;
  reader.image.format = PNG_FORMAT_RGBA;
  // Without a gamma chunk, 16-bit samples are taken as sRGB like 8-bit ones,
  // not as linear light: tools that write 16-bit skins mean the same colours.
  reader.image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  std::vector<std::uint8_t> rgba(count * kRgbaBytes);
  if (!png_image_finish_read(&reader.image, nullptr, rgba.data(), 0, nullptr)) return std::nullopt;
  Image result;
  result.width = static_cast<int>(reader.image.width);
  result.height = static_cast<int>(reader.image.height);
  result.pixels.resize(count);
  PackRgba(rgba, result.pixels);
  return result;
}

}  // namespace

std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  ImageReader reader;
  if (!png_image_begin_read_from_memory(&reader.image, bytes.data(), bytes.size()))
    return std::nullopt;
  return FinishDecode(reader);
}

std::optional<Image> ReadPngFile(const std::string& path) {
  ImageReader reader;
  if (!png_image_begin_read_from_file(&reader.image, path.c_str())) return std::nullopt;
  return FinishDecode(reader);
}

std::vector<std::uint8_t> EncodePng(const gdi::Surface32& image, PngEncoding encoding) {
  if (!Encodable(image)) return {};
  const std::vector<std::uint8_t> rgb = UnpackRgb(image);
  png_image header = WriteHeader(image, encoding);
  // Room for the worst case, so that one pass always fits; the pages it
  // does not write are never touched.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(header);
  const auto room = std::make_unique_for_overwrite<std::uint8_t[]>(size);
  if (!png_image_write_to_memory(&header, room.get(), &size, 0, rgb.data(), 0, nullptr)) return {};
  return std::vector<std::uint8_t>(room.get(), room.get() + size);
}

bool WritePngFile(const std::string& path, const gdi::Surface32& image, PngEncoding encoding) {
  if (!Encodable(image)) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) return false;
  const std::vector<std::uint8_t> rgb = UnpackRgb(image);
  png_image header = WriteHeader(image, encoding);
  if (!png_image_write_to_stdio(&header, file.get(), 0, rgb.data(), 0, nullptr)) return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace res
