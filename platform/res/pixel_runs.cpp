#include "platform/res/pixel_runs.h"

#include <algorithm>

namespace res {

namespace {

constexpr std::size_t kHeaderWords = 2;

}  // namespace

std::vector<std::uint32_t> PixelRunsOf(const Image& image) {
  std::vector<std::uint32_t> words = {static_cast<std::uint32_t>(image.width),
                                      static_cast<std::uint32_t>(image.height)};
  const std::vector<gdi::Pixel>& pixels = image.pixels;
  for (auto run = pixels.begin(); run != pixels.end();) {
    const auto end = std::find_if(run, pixels.end(), [&](gdi::Pixel p) { return p != *run; });
    words.push_back(static_cast<std::uint32_t>(end - run));
    words.push_back(*run);
    run = end;
  }
  return words;
}

std::optional<Image> ImageFromPixelRuns(std::span<const std::uint32_t> words) {
  if (words.size() < kHeaderWords || (words.size() - kHeaderWords) % 2 != 0) return std::nullopt;
  const std::size_t count = std::size_t{words[0]} * words[1];
  if (count == 0 || count > kMaxImagePixels) return std::nullopt;
  Image image;
  image.width = static_cast<int>(words[0]);
  image.height = static_cast<int>(words[1]);
  image.pixels.resize(count);
  auto out = image.pixels.begin();
  for (std::size_t i = kHeaderWords; i < words.size(); i += 2) {
    const std::uint32_t length = words[i];
    if (length == 0 || length > static_cast<std::size_t>(image.pixels.end() - out))
      return std::nullopt;
    out = std::fill_n(out, length, words[i + 1]);
  }
  if (out != image.pixels.end()) return std::nullopt;
  return image;
}

}  // namespace res
