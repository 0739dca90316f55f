// A desktop window's icon, free of any windowing library's types.
#pragma once

#include <cstdint>
#include <vector>

namespace host {

// width x height pixels 0xAARRGGBB, rows top-down.
struct WindowIcon {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

}  // namespace host
