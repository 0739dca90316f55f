#include "platform/res/png_codec.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// Writes a PNG of the given colour type through libpng's simplified writer,
// so the decoder meets files it did not produce itself.
std::vector<std::uint8_t> MakePng(png_uint_32 format, int width, int height,
                                  const std::vector<std::uint8_t>& samples,
                                  const std::vector<std::uint8_t>& colormap = {}, int entries = 0) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  image.colormap_entries = entries;
  png_alloc_size_t size = 0;
  const void* map = colormap.empty() ? nullptr : colormap.data();
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, samples.data(), 0, map));
  std::vector<std::uint8_t> bytes(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, samples.data(), 0, map));
  bytes.resize(size);
  return bytes;
}

// CRC-32 as PNG chunks carry it, bit by bit.
std::uint32_t Crc(const std::vector<std::uint8_t>& bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), body.begin(), body.end());
  PutBig32(out, Crc(body));
}

// A 1 x 1 16-bit grey PNG with no gamma chunk: the kind the simplified
// writer cannot make. Its image data is one stored (uncompressed) deflate block.
std::vector<std::uint8_t> SixteenBitGray(std::uint16_t sample) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 16, 0, 0, 0, 0});
  const std::vector<std::uint8_t> row = {0, static_cast<std::uint8_t>(sample >> 8),
                                         static_cast<std::uint8_t>(sample)};
  std::uint32_t a = 1, b = 0;  // Adler-32 of the row
  for (std::uint8_t byte : row) a = (a + byte) % 65521, b = (b + a) % 65521;
  std::vector<std::uint8_t> zlib = {0x78, 0x01, 0x01, 3, 0, 0xFC, 0xFF};
  zlib.insert(zlib.end(), row.begin(), row.end());
  PutBig32(zlib, b << 16 | a);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  return png;
}

TEST(PngCodec, RoundTripKeepsEveryPixelAndIgnoresStridePadding) {
  // 3 x 2 image inside rows of 4 pixels; the padding must not reach the file.
  std::vector<gdi::Pixel> buffer = {0xFF0000, 0x00FF00, 0x0000FF, 0xDEAD00,
                                    0x123456, 0xFFFFFF, 0x000000, 0xDEAD00};
  const gdi::Surface32 view{buffer.data(), 3, 2, 4};
  const std::vector<std::uint8_t> encoded = res::EncodePng(view);
  ASSERT_FALSE(encoded.empty());
  EXPECT_EQ(encoded, res::EncodePng(view));  // same pixels, same bytes

  const std::optional<res::Image> decoded = res::DecodePng(encoded);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 3);
  EXPECT_EQ(decoded->height, 2);
  EXPECT_EQ(decoded->pixels,
            (std::vector<gdi::Pixel>{0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000}));
}

TEST(PngCodec, GrayAndGrayAlphaExpandToEqualChannelsWithAlphaDropped) {
  const auto gray = res::DecodePng(MakePng(PNG_FORMAT_GRAY, 2, 1, {0x00, 0x80}));
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray->pixels, (std::vector<gdi::Pixel>{0x000000, 0x808080}));

  const auto grayAlpha = res::DecodePng(MakePng(PNG_FORMAT_GA, 1, 1, {0x40, 0x00}));
  ASSERT_TRUE(grayAlpha);
  EXPECT_EQ(grayAlpha->pixels, (std::vector<gdi::Pixel>{0x404040}));
}

// 0x8000 of 0xFFFF is 128 of 255 when both are sRGB; read as linear light
// it would come out near 0xBC.
TEST(PngCodec, SixteenBitSamplesWithoutGammaScaleToEightBits) {
  const auto image = res::DecodePng(SixteenBitGray(0x8000));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, std::vector<gdi::Pixel>{0x808080});
  const auto white = res::DecodePng(SixteenBitGray(0xFFFF));
  ASSERT_TRUE(white);
  EXPECT_EQ(white->pixels, std::vector<gdi::Pixel>{0xFFFFFF});
}

TEST(PngCodec, PaletteIndicesExpandToTheirColours) {
  const std::vector<std::uint8_t> colormap = {0x10, 0x20, 0x30, 0xC0, 0xB0, 0xA0};
  const auto image = res::DecodePng(MakePng(PNG_FORMAT_RGB_COLORMAP, 3, 1, {1, 0, 1}, colormap, 2));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, (std::vector<gdi::Pixel>{0xC0B0A0, 0x102030, 0xC0B0A0}));
}

TEST(PngCodec, CorruptOrTruncatedInputIsRefused) {
  std::vector<gdi::Pixel> buffer(16 * 16, 0x336699);
  std::vector<std::uint8_t> encoded = res::EncodePng({buffer.data(), 16, 16, 16});
  ASSERT_GT(encoded.size(), 40u);

  EXPECT_FALSE(res::DecodePng({}));
  EXPECT_FALSE(res::DecodePng(std::span(encoded).first(encoded.size() / 2)));
  std::vector<std::uint8_t> badSignature = encoded;
  badSignature[1] = 'X';
  EXPECT_FALSE(res::DecodePng(badSignature));
  std::vector<std::uint8_t> badData = encoded;
  for (std::size_t i = 40; i < badData.size() - 12; ++i) badData[i] ^= 0x5A;
  EXPECT_FALSE(res::DecodePng(badData));
}

TEST(PngCodec, FilesRoundTripAndMissingFilesFail) {
  gdi::Pixel pixel = 0xABCDEF;
  ASSERT_TRUE(res::WritePngFile("png_codec_test.png", {&pixel, 1, 1, 1}));
  const auto image = res::ReadPngFile("png_codec_test.png");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, std::vector<gdi::Pixel>{0xABCDEF});
  std::remove("png_codec_test.png");

  EXPECT_FALSE(res::ReadPngFile("no/such/file.png"));
  EXPECT_FALSE(res::WritePngFile("no/such/dir/out.png", {&pixel, 1, 1, 1}));
  EXPECT_TRUE(res::EncodePng({}).empty());
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A screen's kind of content: flat panels, gradients and fine detail.
std::vector<gdi::Pixel> ScreenLike(int width, int height) {
  std::vector<gdi::Pixel> pixels(static_cast<std::size_t>(width) * height);
  std::uint32_t noise = 12345;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      noise = noise * 1103515245 + 12345;
      const gdi::Pixel pixel = y < height / 3   ? 0x336699
                               : y < height / 2 ? static_cast<gdi::Pixel>(x * 0x010101 / 2)
                                                : noise >> 8 & 0xFFFFFF;
      pixels[static_cast<std::size_t>(y) * width + x] = pixel;
    }
  return pixels;
}

// Each encoding, in memory or streamed to a file, gives the same bytes,
// and they decode to the pixels given; the fast one really is another.
TEST(PngCodec, BothEncodingsKeepEveryPixelAndFilesMatchMemory) {
  std::vector<gdi::Pixel> pixels = ScreenLike(320, 240);
  const gdi::Surface32 view{pixels.data(), 320, 240, 320};
  std::vector<std::vector<std::uint8_t>> encodings;
  for (res::PngEncoding encoding : {res::PngEncoding::kCompact, res::PngEncoding::kFast}) {
    const std::vector<std::uint8_t> encoded = res::EncodePng(view, encoding);
    const std::optional<res::Image> decoded = res::DecodePng(encoded);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->pixels, pixels);
    ASSERT_TRUE(res::WritePngFile("png_encoding_test.png", view, encoding));
    EXPECT_EQ(FileBytes("png_encoding_test.png"), encoded);
    encodings.push_back(encoded);
  }
  std::remove("png_encoding_test.png");
  EXPECT_NE(encodings[0], encodings[1]);
}

// The compact encoding is the one the committed skins were written with:
// decoding each and encoding it again gives its bytes back, so redrawing
// the skins changes no file.
TEST(PngCodec, CompactEncodingRewritesTheCommittedSkinsByteForByte) {
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(RESOURCES_DIR "/bitmaps")) {
    const std::vector<std::uint8_t> committed = FileBytes(entry.path().string());
    std::optional<res::Image> image = res::DecodePng(committed);
    ASSERT_TRUE(image) << entry.path();
    EXPECT_EQ(res::EncodePng(image->View()), committed) << entry.path();
    ++compared;
  }
  EXPECT_GT(compared, 10);
}

}  // namespace
