// The message box: its frame, the icon strip (warning, question,
// cross in 53-pixel cells) and the blue and orange button faces, cut from
// the frame itself so their corners match what lies around them.
#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

constexpr int kFrameWidth = 267, kFrameHeight = 158;
constexpr int kHeaderBottom = 30;
constexpr RECT kButtonPlace{40, 112, 115, 136};
constexpr RECT kIconWell{12, 37, 71, 95};
constexpr int kIconCell = 53, kIconHeight = 52;
constexpr double kIconCentreX = 26.5, kIconCentreY = 26;

constexpr Gradient kBody{Rgb(34, 46, 70), Rgb(14, 20, 34)};

res::Image DrawFrame() {
  res::Image frame = MakeImage(kFrameWidth, kFrameHeight, theme::kOutline);
  Canvas canvas(frame);
  const RECT inside{1, 1, kFrameWidth - 1, kFrameHeight - 1};
  canvas.Frame(inside, Rgb(96, 146, 220));
  canvas.Frame(Inset(inside, 1), Rgb(40, 80, 146));
  const RECT body = Inset(inside, 2);
  FillGradient(canvas, {body.left, body.top, body.right, kHeaderBottom}, theme::kTitleBar);
  canvas.HLine(body.left, body.right, kHeaderBottom, theme::kTitleAccent);
  FillGradient(canvas, {body.left, kHeaderBottom + 1, body.right, body.bottom}, kBody);
  DrawFace(canvas, kIconWell, theme::kWell);
  canvas.HLine(12, kFrameWidth - 12, 104, Rgb(50, 64, 90));
  return frame;
}

res::Image DrawButtonFace(const theme::FaceStyle& face) {
  res::Image frame = DrawFrame();
  Canvas canvas(frame);
  DrawFace(canvas, kButtonPlace, face);
  return Crop(frame, kButtonPlace);
}

void DrawWarning(Canvas& canvas, int left) {
  FillTriangle(canvas, {left + 26, 1}, {left + 1, 49}, {left + 52, 49}, Rgb(70, 44, 0));
  FillTriangle(canvas, {left + 26, 7}, {left + 6, 46}, {left + 47, 46}, Rgb(255, 204, 0));
  StrokeLine(canvas, left + kIconCentreX, 19, left + kIconCentreX, 32, 5, theme::kBlack);
  FillDisc(canvas, left + kIconCentreX, 39.5, 3, theme::kBlack);
}

void DrawRoundBadge(Canvas& canvas, int left, gdi::Pixel rim, gdi::Pixel fill) {
  FillDisc(canvas, left + kIconCentreX, kIconCentreY, 25, rim);
  FillDisc(canvas, left + kIconCentreX, kIconCentreY, 22.5, fill);
}

void DrawQuestion(Canvas& canvas, int left) {
  DrawRoundBadge(canvas, left, Rgb(8, 30, 76), Rgb(40, 112, 222));
  DrawText(canvas, {left + 12, 10, left + 41, 42}, L"?", {34, true, theme::kWhite, Align::kCenter});
}

void DrawCross(Canvas& canvas, int left) {
  DrawRoundBadge(canvas, left, Rgb(90, 0, 0), Rgb(222, 36, 36));
  StrokeLine(canvas, left + 18, 17.5, left + 35, 34.5, 6, theme::kWhite);
  StrokeLine(canvas, left + 35, 17.5, left + 18, 34.5, 6, theme::kWhite);
}

res::Image DrawIcons() {
  res::Image strip = MakeImage(272, kIconHeight, theme::kKey);
  Canvas canvas(strip);
  DrawWarning(canvas, 0);
  DrawQuestion(canvas, kIconCell);
  DrawCross(canvas, 2 * kIconCell);
  return strip;
}

}  // namespace

ArtworkList DrawMessageBoxSkins() {
  return {{IDB_MSGBOX_FRAME, DrawFrame()},
          {IDB_MSGBOX_ICONS, DrawIcons()},
          {IDB_MSGBOX_BUTTON_UP, DrawButtonFace(theme::kBlueFace)},
          {IDB_MSGBOX_BUTTON_SEL, DrawButtonFace(theme::kOrangeFace)}};
}

}  // namespace skingen
