// The month calendar: its background with its header, day grid and bottom
// faces, the pressed pieces cut to the same places, and the marker dots.
#include <string>

#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

constexpr int kGridLeft = 24, kGridTop = 65;
constexpr int kCellWidth = 39, kCellHeight = 23;
constexpr int kColumns = 7, kRows = 6;
constexpr int kHeaderTop = 45;

constexpr gdi::Pixel kCellFill = Rgb(236, 240, 247);
constexpr gdi::Pixel kSundayFill = Rgb(248, 236, 236);
constexpr gdi::Pixel kGridLine = Rgb(136, 150, 174);
constexpr gdi::Pixel kGridBorder = Rgb(6, 10, 18);

// Lines sit just left of and just above each cell, so a cell's own 38 x 22
// pixels are all inside it and the grid closes at x = 296 and y = 202.
void DrawDayGrid(Canvas& canvas) {
  const int right = kGridLeft + kColumns * kCellWidth - 1;
  const int bottom = kGridTop + kRows * kCellHeight - 1;
  canvas.Fill({kGridLeft, kGridTop, right, bottom}, kCellFill);
  canvas.Fill({kGridLeft, kGridTop, kGridLeft + kCellWidth - 1, bottom}, kSundayFill);
  for (int c = 1; c < kColumns; ++c)
    canvas.VLine(kGridLeft - 1 + c * kCellWidth, kGridTop, bottom, kGridLine);
  for (int r = 1; r < kRows; ++r)
    canvas.HLine(kGridLeft, right, kGridTop - 1 + r * kCellHeight, kGridLine);
  canvas.Frame({kGridLeft - 1, kGridTop - 1, right + 1, bottom + 1}, kGridBorder);
}

void DrawWeekdayHeader(Canvas& canvas) {
  static const wchar_t* const kNames[kColumns] = {L"SUN", L"MON", L"TUE", L"WED",
                                                  L"THU", L"FRI", L"SAT"};
  const int right = kGridLeft + kColumns * kCellWidth - 1;
  FillGradient(canvas, {kGridLeft - 1, kHeaderTop, right + 1, kGridTop - 1},
               {Rgb(44, 74, 120), Rgb(22, 42, 76)});
  canvas.HLine(kGridLeft - 1, right + 1, kHeaderTop, Rgb(86, 124, 180));
  for (int c = 0; c < kColumns; ++c) {
    const int left = kGridLeft + c * kCellWidth;
    const RECT box{left, kHeaderTop + 1, left + kCellWidth - 1, kGridTop - 1};
    DrawText(canvas, box, kNames[c],
             {12, true, c == 0 ? theme::kYellow : theme::kLabel, Align::kCenter});
  }
}

void DrawCalendar(Canvas& canvas) {
  DrawMonthHeader(canvas);
  DrawWeekdayHeader(canvas);
  DrawDayGrid(canvas);
}

// Two 12 x 14 cells, a green and a salmon dot; the rest see-through. The
// dots, 8 px across and centred in their cells, sit in a day cell's top
// corners and keep clear of a two-digit day number.
res::Image DrawMarkers() {
  constexpr double kDotRadius = 4;
  res::Image strip = MakeImage(28, 14, theme::kKey);
  Canvas canvas(strip);
  FillDisc(canvas, 6, 7, kDotRadius, Rgb(51, 213, 43));
  FillDisc(canvas, 18, 7, kDotRadius, Rgb(233, 162, 126));
  return strip;
}

}  // namespace

ArtworkList DrawCalendarSkins() {
  return {{IDB_CALENDAR, DrawScreen(DrawCalendar, {0, 1, 3})},
          {IDB_BUTTON_DOWN, DrawPressedButton()},
          {IDB_PREV_DOWN, DrawPressedArrow(Direction::kLeft)},
          {IDB_NEXT_DOWN, DrawPressedArrow(Direction::kRight)},
          {IDB_DAY_MARKERS, DrawMarkers()}};
}

}  // namespace skingen
