// A rounded, shaded button face: the one look shared by every tappable
// thing on every screen, so that all buttons read as one family.
#pragma once

#include "tools/skingen/canvas.h"

namespace skingen {

struct FaceStyle {
  COLORREF top;
  COLORREF bottom;
  COLORREF edge;
  int radius = 4;
};

// Draws inside r only; the corners outside the rounding keep what was there.
void DrawFace(Canvas& canvas, const RECT& r, const FaceStyle& style);

FaceStyle DarkFace();
FaceStyle PressedFace();
FaceStyle BlueFace();
FaceStyle OrangeFace();

}  // namespace skingen
