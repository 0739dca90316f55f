#include "tools/skingen/chrome.h"

namespace skingen {

void DrawFace(Canvas& canvas, const RECT& box, const theme::FaceStyle& style, int radius) {
  const RoundRect outer{box, radius};
  FillShape(canvas, outer, style.outline);
  const RoundRect body = outer.Inset(1);
  FillShape(canvas, body, style.body);
  Bevel(canvas, body, style.light, style.dark);
}

void DrawArrowHead(Canvas& canvas, const RECT& box, Direction direction, gdi::Pixel color) {
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  const int w = (box.right - box.left) * 3 / 8, h = (box.bottom - box.top) * 3 / 8;
  // The tip one pixel past the half-width, on the side pointed to.
  const int side = direction == Direction::kLeft || direction == Direction::kUp ? -1 : 1;
  if (direction == Direction::kLeft || direction == Direction::kRight) {
    const int base = cx - side * (w / 2);
    FillTriangle(canvas, {cx + side * (w / 2 + 1), cy}, {base, cy - h}, {base, cy + h}, color);
  } else {
    const int base = cy - side * (h / 2);
    FillTriangle(canvas, {cx, cy + side * (h / 2 + 1)}, {cx - w, base}, {cx + w, base}, color);
  }
}

void DrawTitleBar(Canvas& canvas, int height) {
  FillGradient(canvas, {0, 0, canvas.Width(), height - 2}, theme::kTitleBar);
  canvas.HLine(0, canvas.Width(), 0, Rgb(70, 104, 156));
  canvas.HLine(0, canvas.Width(), height - 2, theme::kTitleAccent);
  canvas.HLine(0, canvas.Width(), height - 1, theme::kOutline);
}

void DrawBottomBar(Canvas& canvas) {
  canvas.Fill({0, kBottomBarTop, canvas.Width(), canvas.Height()}, theme::kBottomBar);
  canvas.HLine(0, canvas.Width(), kBottomBarTop, theme::kBottomBarLine);
}

void DrawMonthArrow(Canvas& canvas, const RECT& box, Direction direction, bool pressed) {
  DrawFace(canvas, box, pressed ? theme::kOrangeFace : theme::kBlueFace);
  const RECT inside = pressed ? Offset(box, 1, 1) : box;
  DrawArrowHead(canvas, inside, direction, pressed ? Rgb(60, 30, 0) : theme::kWhite);
}

void DrawMonthHeader(Canvas& canvas) {
  DrawTitleBar(canvas, kTitleBarHeight);
  DrawMonthArrow(canvas, kPrevArrow, Direction::kLeft, false);
  DrawMonthArrow(canvas, kNextArrow, Direction::kRight, false);
  DrawFace(canvas, kMonthField, theme::kLightField, 3);
}

res::Image DrawScreen(void (*draw)(Canvas&), std::initializer_list<int> buttons) {
  res::Image screen = MakeImage(kScreenWidth, kScreenHeight, 0);
  Canvas canvas(screen);
  FillGradient(canvas, {0, 0, kScreenWidth, kScreenHeight}, theme::kBackdrop);
  draw(canvas);
  DrawBottomBar(canvas);
  for (int i : buttons) DrawFace(canvas, kBottomButton[i], theme::kDarkFace);
  return screen;
}

res::Image DrawPressedArrow(Direction direction) {
  res::Image screen = MakeImage(kScreenWidth, kTitleBarHeight, 0);
  Canvas canvas(screen);
  DrawTitleBar(canvas, kTitleBarHeight);
  const RECT& box = direction == Direction::kLeft ? kPrevArrow : kNextArrow;
  DrawMonthArrow(canvas, box, direction, true);
  return Crop(screen, box);
}

res::Image DrawPressedButton() {
  res::Image screen = MakeImage(kScreenWidth, kScreenHeight, 0);
  Canvas canvas(screen);
  DrawBottomBar(canvas);
  DrawFace(canvas, kBottomButton[0], theme::kPressedFace);
  return Crop(screen, kBottomButton[0]);
}

}  // namespace skingen
