#include "tools/skingen/screen.h"

#include "tools/skingen/face.h"
#include "tools/skingen/palette.h"

namespace skingen {

Canvas NewScreen() {
  Canvas screen(320, 240, palette::kTitleBand);
  screen.VerticalGradient({0, kTitleBandBottom, 320, kBottomBarTop}, palette::kBodyTop,
                          palette::kBodyBottom);
  screen.HLine(0, 320, kTitleBandBottom - 1, palette::kAccentLine);
  screen.Fill({0, kBottomBarTop, 320, 240}, palette::kBottomBar);
  screen.HLine(0, 320, kBottomBarTop, palette::kAccentLine);
  return screen;
}

void DrawArrowHead(Canvas& canvas, const RECT& r, Pointing pointing, int size, COLORREF color) {
  const LONG cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const LONG half = size / 2;
  switch (pointing) {
    case Pointing::Left:
      canvas.Triangle({cx - half, cy}, {cx + half, cy - size}, {cx + half, cy + size}, color);
      break;
    case Pointing::Right:
      canvas.Triangle({cx + half, cy}, {cx - half, cy - size}, {cx - half, cy + size}, color);
      break;
    case Pointing::Up:
      canvas.Triangle({cx, cy - half}, {cx - size, cy + half}, {cx + size, cy + half}, color);
      break;
    case Pointing::Down:
      canvas.Triangle({cx, cy + half}, {cx - size, cy - half}, {cx + size, cy - half}, color);
      break;
  }
}

void DrawArrowButton(Canvas& canvas, const RECT& r, Pointing pointing, bool pressed) {
  DrawFace(canvas, r, pressed ? PressedFace() : DarkFace());
  DrawArrowHead(canvas, r, pointing, 7, pressed ? RGB(60, 30, 0) : palette::kLightField);
}

void DrawBottomFaces(Canvas& canvas, std::initializer_list<int> buttons) {
  for (int index : buttons) DrawFace(canvas, kBottomButtons[index], DarkFace());
}

void DrawLightField(Canvas& canvas, const RECT& r) {
  canvas.RoundGradient(r, 3, palette::kLightField, RGB(214, 224, 238));
  canvas.RoundFrame(r, 3, palette::kLightFieldEdge);
}

void DrawPanel(Canvas& canvas, const RECT& r, COLORREF fill) {
  canvas.RoundGradient(r, 3, fill, fill);
  canvas.RoundFrame(r, 3, palette::kPanelEdge);
}

}  // namespace skingen
