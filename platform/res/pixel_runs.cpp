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

std::optional<SIZE> PixelRunsSize(std::span<const std::uint32_t> words) {
  if (words.size() < kHeaderWords || (words.size() - kHeaderWords) % 2 != 0) return std::nullopt;
  const std::size_t count = std::size_t{words[0]} * words[1];
  if (count == 0 || count > kMaxImagePixels) return std::nullopt;
  return SIZE{static_cast<LONG>(words[0]), static_cast<LONG>(words[1])};
}

// Runs continue across rows, so a long one is cut at each row's end.
bool DrawPixelRuns(std::span<const std::uint32_t> words, const gdi::Surface32& into) {
  const std::optional<SIZE> size = PixelRunsSize(words);
  if (!size || size->cx != into.width || size->cy != into.height) return false;
  int x = 0;
  int y = 0;
  for (std::size_t i = kHeaderWords; i < words.size(); i += 2) {
    std::uint32_t left = words[i];
    if (left == 0) return false;
    while (left > 0) {
      if (y == into.height) return false;
      const auto length = std::min(left, static_cast<std::uint32_t>(into.width - x));
      std::fill_n(into.Row(y) + x, length, words[i + 1]);
      left -= length;
      x += static_cast<int>(length);
      if (x == into.width) {
        x = 0;
        ++y;
      }
    }
  }
  return y == into.height;
}

}  // namespace res
