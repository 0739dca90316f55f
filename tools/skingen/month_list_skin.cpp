// The monthly list screen: month header, the column header lined up
// with the list's three columns, a car drawn faintly on the light panel
// behind the list (clear of the totals line), and three bottom faces.
#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

// The list sits at (14, 67, 305, 179); its columns start 0, 54 and 184
// pixels in, and its rows end 28 pixels short of its right edge.
constexpr int kListLeft = 14, kListTop = 67, kListRight = 305, kListBottom = 179;
constexpr int kSecondColumn = kListLeft + 54, kThirdColumn = kListLeft + 184;
constexpr int kRowsRight = kListRight - 28;
constexpr RECT kHeader{kListLeft, 47, kListRight, kListTop};
constexpr RECT kPanel{8, kListTop - 1, 312, 204};
constexpr RECT kCostTotal{15, 181, 159, 202};
constexpr RECT kDistanceTotal{165, 181, 308, 202};

constexpr gdi::Pixel kCarTone = Rgb(204, 214, 230);
constexpr gdi::Pixel kCarWindow = Rgb(222, 230, 242);
constexpr gdi::Pixel kCarWheel = Rgb(184, 196, 216);
constexpr gdi::Pixel kWheelArch = Rgb(230, 236, 244);

void DrawColumnHeader(Canvas& canvas) {
  canvas.Fill(kHeader, Rgb(4, 18, 38));
  FillGradient(canvas, Inset(kHeader, 1), {Rgb(30, 66, 116), Rgb(14, 38, 76)});
  canvas.HLine(kHeader.left + 1, kHeader.right - 1, kHeader.top + 1, Rgb(96, 140, 200));
  for (int x : {kSecondColumn, kThirdColumn}) {
    canvas.VLine(x, kHeader.top + 1, kHeader.bottom, Rgb(4, 18, 38));
    canvas.VLine(x + 1, kHeader.top + 2, kHeader.bottom, Rgb(96, 140, 200));
  }
  canvas.VLine(kRowsRight, kHeader.top + 1, kHeader.bottom, Rgb(4, 18, 38));
  const TextStyle left{12, true, theme::kLabel, Align::kLeft};
  DrawText(canvas, {kListLeft + 5, kHeader.top, kSecondColumn, kHeader.bottom}, L"DATE", left);
  DrawText(canvas, {kSecondColumn + 5, kHeader.top, kThirdColumn, kHeader.bottom}, L"RUBRIQUE",
           left);
  DrawText(canvas, {kThirdColumn + 5, kHeader.top, kRowsRight - 5, kHeader.bottom}, L"COUT",
           {12, true, theme::kLabel, Align::kRight});
}

// Above the totals line, wheels and all, so that no text is drawn over it.
void DrawCar(Canvas& canvas) {
  FillShape(canvas, {{36, 116, 284, 158}, 12}, kCarTone);
  FillTriangle(canvas, {84, 117}, {122, 78}, {122, 117}, kCarTone);
  canvas.Fill({122, 78, 206, 117}, kCarTone);
  FillTriangle(canvas, {206, 78}, {250, 117}, {206, 117}, kCarTone);
  FillTriangle(canvas, {100, 114}, {126, 86}, {126, 114}, kCarWindow);
  canvas.Fill({126, 86, 160, 114}, kCarWindow);
  canvas.Fill({166, 86, 202, 114}, kCarWindow);
  FillTriangle(canvas, {202, 86}, {234, 114}, {202, 114}, kCarWindow);
  for (double cx : {92.0, 228.0}) {
    FillDisc(canvas, cx, 160, 19, kWheelArch);
    FillDisc(canvas, cx, 160, 16, kCarWheel);
    FillDisc(canvas, cx, 160, 7, kCarWindow);
  }
}

void DrawPanel(Canvas& canvas) {
  canvas.Frame(kPanel, theme::kOutline);
  FillGradient(canvas, Inset(kPanel, 1), {Rgb(240, 244, 250), Rgb(224, 230, 240)});
  DrawCar(canvas);
  for (const RECT& box : {kCostTotal, kDistanceTotal})
    canvas.Frame(Inset(box, -1), Rgb(150, 162, 184));
}

void DrawMonthListScreen(Canvas& canvas) {
  DrawMonthHeader(canvas);
  DrawPanel(canvas);
  DrawColumnHeader(canvas);
}

}  // namespace

ArtworkList DrawMonthListSkins() {
  return {{IDB_MONTH_LIST_SCREEN, DrawScreen(DrawMonthListScreen, {0, 1, 3})}};
}

}  // namespace skingen
