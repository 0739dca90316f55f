#include "platform/res/pixel_runs.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/res/embedded.h"
#include "platform/res/resources.h"

namespace {

// nullopt unless the runs fill exactly width x height pixels.
std::optional<res::Image> ImageFromPixelRuns(std::span<const std::uint32_t> words) {
  const std::optional<SIZE> size = res::PixelRunsSize(words);
  if (!size) return std::nullopt;
  res::Image image;
  image.width = size->cx;
  image.height = size->cy;
  image.pixels.resize(std::size_t{words[0]} * words[1]);
  if (!res::DrawPixelRuns(words, image.View())) return std::nullopt;
  return image;
}

res::Image ImageOf(int width, int height, std::vector<gdi::Pixel> pixels) {
  return {width, height, std::move(pixels)};
}

TEST(PixelRuns, EveryImageComesBackPixelForPixel) {
  const res::Image images[] = {
      ImageOf(1, 1, {0x000000}),
      ImageOf(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000}),
      ImageOf(4, 3, std::vector<gdi::Pixel>(12, 0x00FF00)),
      // Runs that go on from one row into the next.
      ImageOf(3, 3, {1, 1, 1, 1, 2, 2, 2, 2, 2}),
  };
  for (const res::Image& image : images) {
    const std::optional<res::Image> back = ImageFromPixelRuns(res::PixelRunsOf(image));
    ASSERT_TRUE(back) << image.width << "x" << image.height;
    EXPECT_EQ(back->width, image.width);
    EXPECT_EQ(back->height, image.height);
    EXPECT_EQ(back->pixels, image.pixels);
  }
  EXPECT_EQ(res::PixelRunsOf(images[2]), (std::vector<std::uint32_t>{4, 3, 12, 0x00FF00}));
}

TEST(PixelRuns, RunsThatDoNotFillTheImageExactlyAreRefused) {
  const std::vector<std::uint32_t> refused[] = {
      {},
      {2},
      {0, 5, 0, 7},                         // no pixels
      {2, 2, 3, 7},                         // one pixel short
      {2, 2, 3, 7, 2, 8},                   // one pixel over
      {2, 2, 4, 7, 0, 8},                   // an empty run
      {2, 2, 4},                            // a length without its pixel
      {1u << 16, 1u << 16, 0xFFFFFFFF, 0},  // absurdly large
  };
  for (const std::vector<std::uint32_t>& words : refused)
    EXPECT_FALSE(ImageFromPixelRuns(words)) << words.size() << " words";
}

// What the build embedded for each bitmap is what its PNG decodes to; a
// bitmap that does not decode has no runs and stays refused at run time.
TEST(PixelRuns, EmbeddedRunsHoldTheirPngsPixels) {
  int compared = 0;
  for (const res::EmbeddedResource& resource : res::EmbeddedResources()) {
    if (resource.kind != res::ResourceKind::Bitmap) continue;
    const std::optional<res::Image> png = res::DecodePng({resource.bytes, resource.size});
    ASSERT_EQ(png.has_value(), !resource.pixelRuns.empty()) << resource.id;
    if (!png) continue;
    const std::optional<res::Image> runs = ImageFromPixelRuns(resource.pixelRuns);
    ASSERT_TRUE(runs) << resource.id;
    EXPECT_EQ(runs->pixels, png->pixels) << resource.id;
    ++compared;
  }
  EXPECT_GE(compared, 1);
  EXPECT_TRUE(res::FindBitmapPixelRuns(301).empty());  // not a real PNG
}

}  // namespace
