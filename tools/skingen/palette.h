// The colours of the skins: one dark in-car theme, blues for panels and
// orange for what is pressed or chosen.
#pragma once

#include "platform/win/windef.h"

namespace skingen::palette {

// Screen backgrounds. The title band and the bottom bar are flat, so that
// faces copied opaquely over them (pressed buttons and arrows) can carry
// matching corners.
constexpr COLORREF kTitleBand = RGB(14, 24, 44);
constexpr COLORREF kBodyTop = RGB(20, 34, 60);
constexpr COLORREF kBodyBottom = RGB(10, 18, 34);
constexpr COLORREF kBottomBar = RGB(8, 12, 24);
constexpr COLORREF kAccentLine = RGB(204, 102, 0);

// Panels and boxes.
constexpr COLORREF kPanel = RGB(0, 65, 115);
constexpr COLORREF kPanelEdge = RGB(74, 130, 214);
constexpr COLORREF kValueBox = RGB(6, 12, 26);
constexpr COLORREF kLightField = RGB(236, 241, 248);
constexpr COLORREF kLightFieldEdge = RGB(120, 150, 190);
constexpr COLORREF kMutedText = RGB(170, 190, 220);

// Button faces.
constexpr COLORREF kDarkFaceTop = RGB(46, 70, 110);
constexpr COLORREF kDarkFaceBottom = RGB(20, 32, 58);
constexpr COLORREF kDarkFaceEdge = RGB(96, 130, 186);
constexpr COLORREF kPressedTop = RGB(255, 214, 150);
constexpr COLORREF kPressedBottom = RGB(244, 164, 70);
constexpr COLORREF kPressedEdge = RGB(204, 102, 0);
constexpr COLORREF kBlueFaceTop = RGB(40, 110, 190);
constexpr COLORREF kBlueFaceBottom = RGB(0, 65, 115);
constexpr COLORREF kOrangeFaceTop = RGB(255, 196, 80);
constexpr COLORREF kOrangeFaceBottom = RGB(255, 150, 16);
constexpr COLORREF kFaceHighlight = RGB(255, 255, 255);

// Calendar grid.
constexpr COLORREF kGridCell = RGB(240, 244, 250);
constexpr COLORREF kGridSunday = RGB(252, 236, 236);
constexpr COLORREF kGridLine = RGB(110, 132, 168);
constexpr COLORREF kSundayLabel = RGB(255, 214, 0);

}  // namespace skingen::palette
