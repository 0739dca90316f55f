#include "tools/skingen/face.h"

#include "tools/skingen/palette.h"

namespace skingen {

void DrawFace(Canvas& canvas, const RECT& r, const FaceStyle& style) {
  canvas.RoundGradient(r, style.radius, style.top, style.bottom);
  // A soft sheen along the top half reads as a raised key.
  const RECT sheen{r.left + 2, r.top + 1, r.right - 2, r.top + 2};
  canvas.Fill(sheen, Mix(style.top, palette::kFaceHighlight, 1, 3));
  canvas.RoundFrame(r, style.radius, style.edge);
}

FaceStyle DarkFace() { return {palette::kDarkFaceTop, palette::kDarkFaceBottom, palette::kDarkFaceEdge}; }
FaceStyle PressedFace() { return {palette::kPressedTop, palette::kPressedBottom, palette::kPressedEdge}; }
FaceStyle BlueFace() { return {palette::kBlueFaceTop, palette::kBlueFaceBottom, palette::kPanelEdge}; }
FaceStyle OrangeFace() { return {palette::kOrangeFaceTop, palette::kOrangeFaceBottom, palette::kPressedEdge}; }

}  // namespace skingen
