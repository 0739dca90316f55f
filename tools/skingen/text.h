// Text baked into skins, drawn with the platform's own font renderer so it
// matches what the program draws at run time.
#pragma once

#include <string_view>

#include "tools/skingen/canvas.h"

namespace skingen {

enum class Align { Left, Center, Right };

// One line, vertically centred in box and clipped to it.
void DrawLabel(Canvas& canvas, const RECT& box, std::wstring_view text, int height, int weight,
               COLORREF color, Align align = Align::Center);

}  // namespace skingen
