// The monthly list screen 157: month arrows and field, the column header
// above the list, a car behind the list and the totals line, three faces.
#include "tools/skingen/palette.h"
#include "tools/skingen/screen.h"
#include "tools/skingen/skin_set.h"
#include "tools/skingen/text.h"

namespace skingen {

namespace {

constexpr RECT kList{14, 67, 305, 179};
constexpr RECT kHeader{14, 47, 305, 66};
constexpr RECT kTotals{14, 180, 306, 203};

// The list's three columns start 0, 54 and 184 pixels into it; its row text
// is inset 5 pixels, and the cost column ends 5 pixels before the scroll bar.
void DrawColumnHeader(Canvas& screen) {
  DrawPanel(screen, kHeader, palette::kPanel);
  const int l = kList.left, r = kList.right - 28;
  screen.VLine(l + 54, kHeader.top + 3, kHeader.bottom - 3, palette::kPanelEdge);
  screen.VLine(l + 184, kHeader.top + 3, kHeader.bottom - 3, palette::kPanelEdge);
  DrawLabel(screen, {l + 5, kHeader.top, l + 54, kHeader.bottom}, L"DATE", 11, 700, palette::kMutedText, Align::Left);
  DrawLabel(screen, {l + 59, kHeader.top, l + 184, kHeader.bottom}, L"RUBRIQUE", 11, 700, palette::kMutedText, Align::Left);
  DrawLabel(screen, {l + 189, kHeader.top, r - 5, kHeader.bottom}, L"COUT", 11, 700, palette::kMutedText, Align::Right);
}

// A side view of a small car, in a tint just off the field it sits on.
void DrawCar(Canvas& screen, int left, int baseline, COLORREF tint) {
  screen.RoundGradient({left, baseline - 22, left + 120, baseline - 6}, 6, tint, tint);
  screen.RoundGradient({left + 26, baseline - 36, left + 90, baseline - 18}, 8, tint, tint);
  const COLORREF wheel = Mix(tint, RGB(0, 0, 0), 1, 3);
  screen.Disc(2 * (left + 28), 2 * (baseline - 6), 12, wheel);
  screen.Disc(2 * (left + 94), 2 * (baseline - 6), 12, wheel);
}

Canvas DrawMonthListScreen() {
  Canvas screen = NewScreen();
  DrawArrowButton(screen, kPrevArrow, Pointing::Left, false);
  DrawArrowButton(screen, kNextArrow, Pointing::Right, false);
  screen.RoundGradient(kTitleField, 3, RGB(255, 255, 255), RGB(255, 255, 255));
  screen.RoundFrame(kTitleField, 3, palette::kLightFieldEdge);
  DrawColumnHeader(screen);
  screen.Fill(kList, palette::kValueBox);
  DrawLightField(screen, kTotals);
  // Bottom-aligned on the totals line, rising behind the list.
  DrawCar(screen, 160, 201, RGB(208, 218, 234));
  DrawBottomFaces(screen, {0, 1, 3});
  return screen;
}

}  // namespace

void AddMonthListSkins(SkinSet& set) { set.push_back({157, DrawMonthListScreen()}); }

}  // namespace skingen
