// The expense entry screen: the date bar, four rows of caption face and
// value well, the item row's drop-down arrow, unit marks beside the number
// fields, and the confirm and cancel faces.
#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

constexpr RECT kDateBar{11, 7, 309, 38};
constexpr RECT kCaptionBox[4] = {
    {11, 47, 95, 81}, {11, 86, 95, 120}, {11, 126, 95, 160}, {11, 164, 95, 198}};
constexpr RECT kValueBox[4] = {
    {102, 47, 309, 81}, {102, 86, 309, 120}, {102, 126, 309, 160}, {102, 164, 309, 198}};
// Value texts end at x = 258 in the number rows; the units sit after them.
constexpr int kUnitLeft = 263;
constexpr RECT kDropButton{284, 51, 305, 77};

void DrawDropButton(Canvas& canvas) {
  DrawFace(canvas, kDropButton, theme::kOrangeFace, 3);
  DrawArrowHead(canvas, Inset(kDropButton, 1), Direction::kDown, Rgb(60, 30, 0));
}

void DrawUnits(Canvas& canvas) {
  static const wchar_t* const kUnits[4] = {nullptr, L"Lit.", L"원", L"km"};
  for (int row = 1; row < 4; ++row) {
    const RECT& box = kValueBox[row];
    DrawText(canvas, {kUnitLeft, box.top + 2, box.right - 4, box.bottom - 2}, kUnits[row],
             {13, true, theme::kUnit, Align::kLeft});
  }
}

void DrawEntryScreen(Canvas& canvas) {
  DrawFace(canvas, kDateBar,
           {theme::kOutline, theme::kTitleBar, Rgb(86, 124, 180), Rgb(10, 22, 44)});
  canvas.HLine(kDateBar.left + 4, kDateBar.right - 4, kDateBar.bottom - 3, theme::kTitleAccent);
  for (int row = 0; row < 4; ++row) {
    DrawFace(canvas, kCaptionBox[row], theme::kCaptionFace);
    DrawFace(canvas, kValueBox[row], theme::kWell);
  }
  DrawDropButton(canvas);
  DrawUnits(canvas);
}

}  // namespace

ArtworkList DrawEntryDialogSkins() {
  return {{IDB_ENTRY_SCREEN, DrawScreen(DrawEntryScreen, {0, 3})}};
}

}  // namespace skingen
