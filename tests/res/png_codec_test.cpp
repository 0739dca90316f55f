#include "platform/res/png_codec.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
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

TEST(PngCodec, PaletteIndicesExpandToTheirColours) {
  const std::vector<std::uint8_t> colormap = {0x10, 0x20, 0x30, 0xC0, 0xB0, 0xA0};
  const auto image =
      res::DecodePng(MakePng(PNG_FORMAT_RGB_COLORMAP, 3, 1, {1, 0, 1}, colormap, 2));
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

}  // namespace
