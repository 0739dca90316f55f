// Pieces shared by the full-screen skins: backdrop, title bar, bottom
// button bar, raised faces, sunken value wells, light text fields and the
// month arrows. Pressed variants are cut from the same drawings, so a
// pressed face always lines up with the normal one beneath it.
#pragma once

#include "tools/skingen/theme.h"

namespace skingen {

enum class Direction { kLeft, kRight, kUp, kDown };

constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 240;
constexpr int kTitleBarHeight = 40;
constexpr int kBottomBarTop = 205;

// The four bottom button places of every full-screen dialog.
constexpr RECT kBottomButton[4] = {
    {6, 210, 81, 234}, {82, 210, 157, 234}, {160, 210, 235, 234}, {237, 210, 312, 234}};
constexpr RECT kPrevArrow{11, 8, 43, 34};
constexpr RECT kNextArrow{278, 8, 310, 34};
constexpr RECT kMonthField{95, 8, 226, 30};

void DrawFace(Canvas& canvas, const RECT& box, const theme::FaceStyle& style,
              int radius = theme::kRadius);
void DrawWell(Canvas& canvas, const RECT& box);
void DrawLightField(Canvas& canvas, const RECT& box);

// A filled triangle pointing the given way, centred in the box.
void DrawArrowHead(Canvas& canvas, const RECT& box, Direction direction, gdi::Pixel color);

void DrawBackdrop(Canvas& canvas);
void DrawTitleBar(Canvas& canvas, int height);
void DrawBottomBar(Canvas& canvas);
void DrawMonthArrow(Canvas& canvas, const RECT& box, Direction direction, bool pressed);

// Title bar with both month arrows and the light month field.
void DrawMonthHeader(Canvas& canvas);

// The 32 x 26 pressed month arrows and the 75 x 24 pressed bottom button,
// cut from screens drawn with the pressed look in place.
res::Image DrawPressedArrow(Direction direction);
res::Image DrawPressedButton();

}  // namespace skingen
