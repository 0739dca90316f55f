// One resolved font face at one pixel size. Glyphs are rasterised on first
// use and kept, so drawing a label again touches no font file.
#pragma once

#include <span>
#include <string_view>

#include "platform/gdi/pixels.h"
#include "platform/win/windef.h"

namespace gdi {

// height = ascent + descent = the character cell height (tmHeight).
struct FontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int averageWidth = 0;
};

class Typeface {
 public:
  virtual ~Typeface() = default;

  virtual const FontMetrics& Metrics() const = 0;

  // cx: the sum of advances; cy: Metrics().height.
  virtual SIZE Measure(std::wstring_view text) = 0;

  // Blends the glyphs' coverage in color over target, the cell's top-left
  // at (x, y), only inside the clip rectangles (target coordinates,
  // disjoint; none draws nothing). No background is filled.
  virtual void Draw(const Surface32& target, int x, int y, std::wstring_view text,
                    COLORREF color, std::span<const RECT> clip) = 0;
};

}  // namespace gdi
