// rt_scale_icon IN.png FACTOR OUT.png: the icon enlarged by a whole factor,
// each pixel a sharp square, for the installed larger icon sizes.
#include <charconv>
#include <cstdio>
#include <string_view>

#include "platform/res/png_codec.h"

int main(int argc, char** argv) {
  int factor = 0;
  const std::string_view text = argc == 4 ? argv[2] : "";
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), factor);
  if (argc != 4 || error != std::errc() || end != text.data() + text.size() || factor < 1) {
    std::fprintf(stderr, "usage: rt_scale_icon IN.png FACTOR OUT.png\n");
    return 2;
  }
  std::optional<res::Image> icon = res::ReadPngFile(argv[1]);
  if (!icon) {
    std::fprintf(stderr, "rt_scale_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  res::Image large{icon->width * factor, icon->height * factor, {}};
  large.pixels.reserve(static_cast<size_t>(large.width) * large.height);
  for (int y = 0; y < large.height; ++y)
    for (int x = 0; x < large.width; ++x)
      large.pixels.push_back(
          icon->pixels[static_cast<size_t>(y / factor) * icon->width + x / factor]);
  return res::WritePngFile(argv[3], large.View()) ? 0 : 1;
}
