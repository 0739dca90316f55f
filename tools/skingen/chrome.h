// Pieces shared by the full-screen skins: backdrop, title bar, bottom
// button bar, raised faces, sunken value wells, light text fields and the
// month arrows. Pressed variants are cut from the same drawings, so a
// pressed face always lines up with the normal one beneath it.
#pragma once

#include <initializer_list>

#include "tools/skingen/canvas.h"

// The colours and shapes every skin shares, so that all screens read as one
// dark in-car theme: navy backdrops, steel-blue and orange faces, the same
// corner radius and bevels everywhere.
namespace skingen::theme {

constexpr gdi::Pixel kKey = Rgb(0, 255, 0);  // see-through in colour-keyed skins

constexpr Gradient kBackdrop{Rgb(24, 33, 50), Rgb(10, 14, 24)};
constexpr Gradient kTitleBar{Rgb(34, 64, 110), Rgb(14, 30, 58)};
constexpr gdi::Pixel kTitleAccent = Rgb(204, 102, 0);
constexpr gdi::Pixel kBottomBar = Rgb(12, 16, 26);
constexpr gdi::Pixel kBottomBarLine = Rgb(46, 58, 80);

constexpr gdi::Pixel kOutline = Rgb(4, 6, 12);
constexpr int kRadius = 4;

// A framed face: outline, gradient body and a one-pixel bevel (its light
// edge on top for a raised face, its dark one for a sunken well).
struct FaceStyle {
  gdi::Pixel outline;
  Gradient body;
  gdi::Pixel light;
  gdi::Pixel dark;
};

// Dark bottom-row buttons carrying white labels.
constexpr FaceStyle kDarkFace{
    kOutline, {Rgb(82, 92, 112), Rgb(38, 44, 58)}, Rgb(128, 140, 162), Rgb(24, 28, 38)};
// Pressed faces carrying black labels.
constexpr FaceStyle kPressedFace{
    Rgb(70, 36, 4), {Rgb(255, 224, 164), Rgb(240, 168, 64)}, Rgb(255, 244, 214), Rgb(204, 102, 0)};
// Blue command faces (white labels) and their orange selected look.
constexpr FaceStyle kBlueFace{
    kOutline, {Rgb(84, 140, 222), Rgb(22, 72, 156)}, Rgb(160, 200, 250), Rgb(12, 44, 104)};
constexpr FaceStyle kOrangeFace{
    Rgb(70, 36, 4), {Rgb(255, 204, 120), Rgb(226, 128, 20)}, Rgb(255, 234, 190), Rgb(160, 80, 0)};
// Row captions of the entry dialog.
constexpr FaceStyle kCaptionFace{
    kOutline, {Rgb(40, 96, 168), Rgb(16, 54, 110)}, Rgb(110, 160, 222), Rgb(10, 34, 72)};

// Digit keys: normal steel blue, highlighted yellow, disabled dark.
constexpr FaceStyle kKeyFace{
    kOutline, {Rgb(96, 146, 214), Rgb(36, 80, 150)}, Rgb(176, 210, 248), Rgb(20, 48, 96)};
constexpr FaceStyle kKeyFocusFace{
    Rgb(80, 60, 0), {Rgb(255, 240, 120), Rgb(246, 196, 16)}, Rgb(255, 252, 210), Rgb(190, 140, 0)};
constexpr FaceStyle kKeyOffFace{
    kOutline, {Rgb(58, 62, 72), Rgb(34, 37, 44)}, Rgb(78, 82, 92), Rgb(24, 26, 32)};

// Sunken boxes that carry white values.
constexpr FaceStyle kWell{
    Rgb(60, 104, 170), {Rgb(8, 12, 22), Rgb(8, 12, 22)}, Rgb(2, 3, 6), Rgb(22, 32, 52)};

// Light fields carrying black text.
constexpr FaceStyle kLightField{Rgb(18, 26, 40),
                                {Rgb(250, 252, 255), Rgb(214, 222, 234)},
                                Rgb(170, 180, 196),
                                Rgb(255, 255, 255)};

constexpr gdi::Pixel kWhite = Rgb(255, 255, 255);
constexpr gdi::Pixel kBlack = Rgb(0, 0, 0);
constexpr gdi::Pixel kYellow = Rgb(255, 214, 0);
constexpr gdi::Pixel kLabel = Rgb(206, 218, 238);
constexpr gdi::Pixel kUnit = Rgb(150, 176, 214);

}  // namespace skingen::theme

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

// A filled triangle pointing the given way, centred in the box.
void DrawArrowHead(Canvas& canvas, const RECT& box, Direction direction, gdi::Pixel color);

void DrawTitleBar(Canvas& canvas, int height);
void DrawBottomBar(Canvas& canvas);
void DrawMonthArrow(Canvas& canvas, const RECT& box, Direction direction, bool pressed);

// Title bar with both month arrows and the light month field.
void DrawMonthHeader(Canvas& canvas);

// A full screen: the backdrop, what the screen draws over it, then the
// bottom bar with dark faces at the given button places.
res::Image DrawScreen(void (*draw)(Canvas&), std::initializer_list<int> buttons);

// The 32 x 26 pressed month arrows and the 75 x 24 pressed bottom button,
// cut from screens drawn with the pressed look in place.
res::Image DrawPressedArrow(Direction direction);
res::Image DrawPressedButton();

}  // namespace skingen
