// The calendar screen: background 168, pressed faces 164, 165, 166 and the
// day marker strip 2793.
#include <algorithm>
#include <array>

#include "tools/skingen/face.h"
#include "tools/skingen/palette.h"
#include "tools/skingen/screen.h"
#include "tools/skingen/skin_set.h"
#include "tools/skingen/text.h"

namespace skingen {

namespace {

constexpr int kGridLeft = 24, kGridTop = 65, kCellWidth = 39, kCellHeight = 23;
constexpr int kGridRight = 296, kGridBottom = 202;

void DrawWeekdayHeader(Canvas& screen) {
  static constexpr std::array<const wchar_t*, 7> kNames = {L"SUN", L"MON", L"TUE", L"WED",
                                                           L"THU", L"FRI", L"SAT"};
  screen.Fill({kGridLeft, 45, kGridRight + 1, kGridTop}, palette::kPanel);
  for (int c = 0; c < 7; ++c) {
    const RECT cell{kGridLeft + kCellWidth * c, 45, kGridLeft + kCellWidth * (c + 1), kGridTop};
    DrawLabel(screen, cell, kNames[c], 12, 700, c == 0 ? palette::kSundayLabel : palette::kMutedText);
  }
}

void DrawGrid(Canvas& screen) {
  for (int c = 0; c < 7; ++c) {
    const RECT column{kGridLeft + kCellWidth * c, kGridTop, kGridLeft + kCellWidth * (c + 1), kGridBottom};
    screen.Fill(column, c == 0 ? palette::kGridSunday : palette::kGridCell);
  }
  for (int c = 0; c <= 7; ++c) screen.VLine(std::min(kGridLeft + kCellWidth * c, kGridRight), kGridTop, kGridBottom + 1, palette::kGridLine);
  for (int r = 0; r <= 6; ++r) screen.HLine(kGridLeft, kGridRight + 1, std::min(kGridTop + kCellHeight * r, kGridBottom), palette::kGridLine);
}

Canvas DrawCalendarBackground() {
  Canvas screen = NewScreen();
  DrawArrowButton(screen, kPrevArrow, Pointing::Left, false);
  DrawArrowButton(screen, kNextArrow, Pointing::Right, false);
  DrawLightField(screen, kTitleField);
  DrawWeekdayHeader(screen);
  DrawGrid(screen);
  DrawBottomFaces(screen, {0, 1, 3});
  return screen;
}

// A pressed face copied opaquely over the screen: its corners carry the
// colour of what lies beneath it there.
Canvas DrawPressedFace(int width, int height, COLORREF under, const FaceStyle& style) {
  Canvas face(width, height, under);
  DrawFace(face, {0, 0, width, height}, style);
  return face;
}

Canvas DrawPressedArrow(Pointing pointing) {
  Canvas arrow(32, 26, palette::kTitleBand);
  DrawArrowButton(arrow, {0, 0, 32, 26}, pointing, true);
  return arrow;
}

Canvas DrawMarkerStrip() {
  Canvas strip(28, 14, kKeyGreen);
  // Discs of diameter 9 in the middle of each 12 x 14 cell.
  strip.Disc(12, 14, 9, RGB(51, 213, 43));
  strip.Disc(12 + 24, 14, 9, RGB(233, 162, 126));
  return strip;
}

}  // namespace

void AddCalendarSkins(SkinSet& set) {
  set.push_back({168, DrawCalendarBackground()});
  set.push_back({164, DrawPressedFace(75, 24, palette::kBottomBar, PressedFace())});
  set.push_back({165, DrawPressedArrow(Pointing::Left)});
  set.push_back({166, DrawPressedArrow(Pointing::Right)});
  set.push_back({2793, DrawMarkerStrip()});
}

}  // namespace skingen
