// Text baked into skins, rendered by the platform's font engine in a clean
// sans-serif face. Text is anti-aliased, so it is only ever drawn over
// opaque fills, never next to the key colour.
#pragma once

#include <string_view>

#include "tools/skingen/canvas.h"

namespace skingen {

enum class Align { kLeft, kCenter, kRight };

struct TextStyle {
  int height = 14;  // character cell height in pixels
  bool bold = true;
  gdi::Pixel color = Rgb(255, 255, 255);
  Align align = Align::kCenter;
};

// One line, vertically centred in the box, aligned horizontally as asked,
// clipped to the box.
void DrawText(Canvas& canvas, const RECT& box, std::wstring_view text, const TextStyle& style);

}  // namespace skingen
