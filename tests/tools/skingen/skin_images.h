// The generator's bitmaps by id, drawn once per test program, and small
// pixel helpers shared by the skin tests.
#pragma once

#include <gtest/gtest.h>

#include <map>

#include "tools/skingen/artwork.h"

namespace skingen_test {

inline const std::map<int, res::Image>& Bitmaps() {
  static const std::map<int, res::Image> bitmaps = [] {
    std::map<int, res::Image> byId;
    for (skingen::Artwork& art : skingen::DrawAllBitmaps())
      byId.emplace(art.id, std::move(art.image));
    return byId;
  }();
  return bitmaps;
}

inline const res::Image& Bitmap(int id) { return Bitmaps().at(id); }

inline COLORREF At(const res::Image& image, int x, int y) {
  return gdi::ColorFromPixel(image.pixels.at(static_cast<std::size_t>(y) * image.width + x));
}

inline COLORREF At(int id, int x, int y) { return At(Bitmap(id), x, y); }

constexpr COLORREF kKey = RGB(0, 255, 0);

// Rough brightness, 0..255.
inline int Brightness(COLORREF c) {
  return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10;
}

}  // namespace skingen_test
