// The message box: frame 2251, icons 1001 (warning, question, cross) and the
// button faces 2795 (blue) and 2796 (orange).
#include "tools/skingen/face.h"
#include "tools/skingen/palette.h"
#include "tools/skingen/skin_set.h"
#include "tools/skingen/text.h"

namespace skingen {

namespace {

constexpr COLORREF kFramePanel = RGB(16, 40, 76);
constexpr int kIconCell = 53;

Canvas DrawFrame() {
  Canvas frame(267, 158, kFramePanel);
  frame.VerticalGradient({0, 0, 267, 28}, palette::kBlueFaceTop, palette::kPanel);
  frame.HLine(0, 267, 28, palette::kAccentLine);
  frame.Frame({0, 0, 267, 158}, palette::kPanelEdge);
  frame.Frame({1, 1, 266, 157}, RGB(4, 10, 22));
  // A recessed well behind the icon.
  frame.RoundGradient({12, 37, 71, 95}, 6, RGB(10, 26, 52), RGB(10, 26, 52));
  return frame;
}

void DrawWarning(Canvas& icons, int left) {
  icons.Triangle({left + 26, 3}, {left + 2, 48}, {left + 51, 48}, RGB(60, 40, 0));
  icons.Triangle({left + 26, 8}, {left + 6, 45}, {left + 47, 45}, RGB(255, 206, 0));
  DrawLabel(icons, {left, 16, left + kIconCell, 46}, L"!", 24, 700, RGB(40, 24, 0));
}

void DrawRoundIcon(Canvas& icons, int left, COLORREF rim, COLORREF fill, const wchar_t* mark) {
  const int cx2 = 2 * left + kIconCell, cy2 = 52;
  icons.Disc(cx2, cy2, 46, rim);
  icons.Disc(cx2, cy2, 40, fill);
  DrawLabel(icons, {left, 4, left + kIconCell, 48}, mark, 28, 700, RGB(255, 255, 255));
}

Canvas DrawIcons() {
  Canvas icons(272, 52, kKeyGreen);
  DrawWarning(icons, 0);
  DrawRoundIcon(icons, kIconCell, RGB(10, 40, 90), RGB(40, 110, 210), L"?");
  DrawRoundIcon(icons, 2 * kIconCell, RGB(90, 0, 0), RGB(214, 30, 30), L"×");
  return icons;
}

// Copied opaquely onto the frame, so the corners carry the frame's colour.
Canvas DrawButtonFace(const FaceStyle& style) {
  Canvas face(75, 24, kFramePanel);
  DrawFace(face, {0, 0, 75, 24}, style);
  return face;
}

}  // namespace

void AddMessageBoxSkins(SkinSet& set) {
  set.push_back({2251, DrawFrame()});
  set.push_back({1001, DrawIcons()});
  set.push_back({2795, DrawButtonFace(BlueFace())});
  set.push_back({2796, DrawButtonFace(OrangeFace())});
}

}  // namespace skingen
