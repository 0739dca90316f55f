// Pieces shared by the full-screen backgrounds: the flat title band and
// bottom bar, the month arrows, the bottom button faces and light fields.
#pragma once

#include <initializer_list>

#include "tools/skingen/canvas.h"

namespace skingen {

constexpr int kTitleBandBottom = 40;
constexpr int kBottomBarTop = 205;

// The four bottom button places every full screen shares, 75 x 24 each.
constexpr RECT kBottomButtons[4] = {
    {6, 210, 81, 234}, {82, 210, 157, 234}, {160, 210, 235, 234}, {237, 210, 312, 234}};
constexpr RECT kPrevArrow{11, 8, 43, 34};
constexpr RECT kNextArrow{278, 8, 310, 34};
constexpr RECT kTitleField{95, 8, 226, 30};

// 320 x 240: title band, shaded body, bottom bar with an accent line.
Canvas NewScreen();

enum class Pointing { Left, Right, Up, Down };

// A month arrow in the rectangle, normal or pressed.
void DrawArrowButton(Canvas& canvas, const RECT& r, Pointing pointing, bool pressed);
// A solid triangle centred in r, `size` pixels from base to tip.
void DrawArrowHead(Canvas& canvas, const RECT& r, Pointing pointing, int size, COLORREF color);
void DrawBottomFaces(Canvas& canvas, std::initializer_list<int> buttons);
// A light, framed field for black text (the month title).
void DrawLightField(Canvas& canvas, const RECT& r);
// A dark box with a blue edge for white text.
void DrawPanel(Canvas& canvas, const RECT& r, COLORREF fill);

}  // namespace skingen
