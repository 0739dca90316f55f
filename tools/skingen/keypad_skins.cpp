// The numeric keypad: its screen, the digit key block copied to (6, 116),
// the blue and orange command faces and the highlighted and disabled digit
// strips, whose cells land exactly on the keys of the block.
#include <string>

#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

constexpr int kBlockWidth = 306, kBlockHeight = 85;
constexpr POINT kBlockOrigin{6, 116};
constexpr int kKeyWidth = 48, kKeyHeight = 25;
constexpr int kKeyLefts[5] = {13, 71, 129, 187, 245};
constexpr int kKeyTops[2] = {12, 48};
// Grid lines run midway between the keys.
constexpr int kGridXs[6] = {8, 66, 124, 182, 240, 298};
constexpr int kGridYs[3] = {6, 42, 79};

constexpr int kTitleHeight = 24;
// The value is drawn right-aligned in (11, 60, 296, 86); the well around it
// leaves the last digit some room from its frame.
constexpr RECT kValueWell{7, 57, 306, 89};
constexpr int kCommandWidth = 77, kCommandHeight = 27;

constexpr gdi::Pixel kGridLine = Rgb(52, 96, 162);
constexpr Gradient kGridCell{Rgb(22, 48, 92), Rgb(12, 30, 62)};
constexpr gdi::Pixel kGridMargin = Rgb(8, 18, 38);

void DrawGrid(Canvas& canvas, POINT origin) {
  const RECT block{origin.x, origin.y, origin.x + kBlockWidth, origin.y + kBlockHeight};
  canvas.Fill(block, kGridMargin);
  canvas.Frame(block, theme::kOutline);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 5; ++col)
      FillGradient(canvas,
                   Offset({kGridXs[col], kGridYs[row], kGridXs[col + 1], kGridYs[row + 1]},
                          origin.x, origin.y),
                   kGridCell);
  for (int x : kGridXs)
    canvas.VLine(origin.x + x, origin.y + kGridYs[0], origin.y + kGridYs[2] + 1, kGridLine);
  for (int y : kGridYs)
    canvas.HLine(origin.x + kGridXs[0], origin.x + kGridXs[5] + 1, origin.y + y, kGridLine);
}

void DrawKey(Canvas& canvas, const RECT& box, const theme::FaceStyle& face, std::wstring_view label,
             const TextStyle& style) {
  DrawFace(canvas, box, face);
  DrawText(canvas, Inset(box, 2), label, style);
}

res::Image DrawKeyBlock() {
  res::Image block = MakeImage(kBlockWidth, kBlockHeight, 0);
  Canvas canvas(block);
  DrawGrid(canvas, {0, 0});
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 5; ++col) {
      const int digit = (row * 5 + col + 1) % 10;
      const RECT key{kKeyLefts[col], kKeyTops[row], kKeyLefts[col] + kKeyWidth,
                     kKeyTops[row] + kKeyHeight};
      DrawKey(canvas, key, theme::kKeyFace, std::to_wstring(digit),
              {18, true, theme::kWhite, Align::kCenter});
    }
  return block;
}

// Cells 0..n-1 of a 48 x 25 strip (the digits, then minus and clear),
// see-through around each rounded key.
res::Image DrawKeyStrip(int count, const theme::FaceStyle& face, gdi::Pixel color) {
  const std::wstring labels[12] = {L"0", L"1", L"2", L"3", L"4", L"5",
                                   L"6", L"7", L"8", L"9", L"-", L"지움"};
  res::Image strip = MakeImage(kKeyWidth * count, kKeyHeight, theme::kKey);
  Canvas canvas(strip);
  for (int i = 0; i < count; ++i) {
    const TextStyle style{labels[i].size() > 1 ? 14 : 18, true, color, Align::kCenter};
    DrawKey(canvas, {i * kKeyWidth, 0, (i + 1) * kKeyWidth, kKeyHeight}, face, labels[i], style);
  }
  return strip;
}

res::Image DrawCommandFace(const theme::FaceStyle& face) {
  res::Image image = MakeImage(kCommandWidth, kCommandHeight, theme::kKey);
  Canvas canvas(image);
  DrawFace(canvas, {0, 0, kCommandWidth, kCommandHeight}, face, 5);
  return image;
}

void DrawTitleEmblem(Canvas& canvas) {
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 4; ++col) {
      const RECT key{12 + col * 12, 5 + row * 7, 22 + col * 12, 11 + row * 7};
      DrawFace(canvas, key, row == 0 && col == 2 ? theme::kKeyFocusFace : theme::kKeyFace, 1);
    }
}

void DrawKeypadScreen(Canvas& canvas) {
  DrawTitleBar(canvas, kTitleHeight);
  DrawTitleEmblem(canvas);
  DrawFace(canvas, kValueWell, theme::kWell);
  canvas.Frame({kBlockOrigin.x - 2, kBlockOrigin.y - 2, kBlockOrigin.x + kBlockWidth + 2,
                kBlockOrigin.y + kBlockHeight + 2},
               kGridLine);
  DrawGrid(canvas, kBlockOrigin);
}

}  // namespace

ArtworkList DrawKeypadSkins() {
  return {{IDB_KEYPAD_SCREEN, DrawScreen(DrawKeypadScreen, {})},
          {IDB_KEYPAD_KEYS, DrawKeyBlock()},
          {IDB_KEYPAD_CMD_UP, DrawCommandFace(theme::kBlueFace)},
          {IDB_KEYPAD_CMD_DOWN, DrawCommandFace(theme::kOrangeFace)},
          {IDB_KEYPAD_DIGIT_FOCUS, DrawKeyStrip(12, theme::kKeyFocusFace, theme::kBlack)},
          {IDB_KEYPAD_DIGIT_OFF, DrawKeyStrip(10, theme::kKeyOffFace, Rgb(106, 112, 124))}};
}

}  // namespace skingen
