// The skinned list box: thumb 1049, track 2718, arrows 2715/2714 (up) and
// 2712/2713 (down), rows 1063 (normal) and 2689 (selected).
#include "tools/skingen/palette.h"
#include "tools/skingen/screen.h"
#include "tools/skingen/skin_set.h"

namespace skingen {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kOrange = RGB(204, 102, 0);
constexpr COLORREF kDarkRed = RGB(110, 0, 0);
constexpr COLORREF kSilver = RGB(196, 200, 208);

Canvas DrawThumb() {
  Canvas thumb(17, 21, kSilver);
  thumb.Frame({0, 0, 17, 21}, kBlack);
  thumb.HLine(1, 16, 1, kOrange);
  thumb.VLine(1, 1, 20, kOrange);
  thumb.HLine(2, 16, 19, kDarkRed);
  thumb.VLine(15, 2, 20, kDarkRed);
  thumb.HLine(4, 13, 10, kOrange);
  return thumb;
}

Canvas DrawTrack() {
  Canvas track(28, 140, RGB(52, 0, 0));
  for (int y = 1; y < 138; y += 2)
    for (int i = 0; i < 6; ++i) track.Plot(8 + 2 * i, y, kOrange);
  track.HLine(0, 28, 0, RGB(85, 0, 8));
  track.VLine(0, 0, 140, RGB(85, 0, 8));
  const COLORREF nearBlack = RGB(14, 4, 4);
  track.Fill({26, 0, 28, 140}, nearBlack);
  track.Fill({0, 138, 28, 140}, nearBlack);
  return track;
}

// A 28 x 28 scroll arrow: silver and orange when up, orange and silver when held.
Canvas DrawScrollArrow(Pointing pointing, bool pressed) {
  const RECT face{0, 0, 28, 28};
  Canvas arrow(28, 28, pressed ? RGB(250, 200, 130) : RGB(214, 218, 226));
  arrow.Frame(face, kBlack);
  const COLORREF light = pressed ? RGB(255, 230, 190) : RGB(255, 255, 255);
  const COLORREF shade = pressed ? kOrange : RGB(128, 132, 140);
  arrow.HLine(1, 27, 1, light);
  arrow.VLine(1, 1, 27, light);
  arrow.HLine(1, 27, 26, shade);
  arrow.VLine(26, 1, 27, shade);
  if (pressed) arrow.Frame({3, 3, 25, 25}, kOrange);
  const RECT head{0, 0, 28, 28};
  // The triangle's rim: gold on the lit side, dark red on the shaded side.
  DrawArrowHead(arrow, {head.left + 1, head.top + 1, head.right + 1, head.bottom + 1}, pointing, 8,
                pressed ? RGB(120, 120, 128) : kDarkRed);
  DrawArrowHead(arrow, {head.left - 1, head.top - 1, head.right - 1, head.bottom - 1}, pointing, 8,
                pressed ? RGB(255, 255, 255) : RGB(255, 200, 40));
  DrawArrowHead(arrow, head, pointing, 7, pressed ? kSilver : kOrange);
  return arrow;
}

struct RowColours {
  COLORREF top, bottom, inner, base;
};

// 380 x 28. Only the left part shows; its left edge separates the columns.
Canvas DrawRow(const RowColours& c) {
  Canvas row(380, 28, c.top);
  row.VerticalGradient({0, 0, 380, 28}, c.top, c.bottom);
  const COLORREF outer = RGB(8, 16, 30);
  row.Frame({0, 0, 380, 28}, outer);
  row.HLine(1, 379, 1, c.inner);
  row.HLine(1, 379, 26, c.base);
  row.VLine(1, 1, 27, c.inner);
  return row;
}

}  // namespace

void AddListBoxSkins(SkinSet& set) {
  set.push_back({1049, DrawThumb()});
  set.push_back({2718, DrawTrack()});
  set.push_back({2715, DrawScrollArrow(Pointing::Up, false)});
  set.push_back({2714, DrawScrollArrow(Pointing::Up, true)});
  set.push_back({2712, DrawScrollArrow(Pointing::Down, false)});
  set.push_back({2713, DrawScrollArrow(Pointing::Down, true)});
  set.push_back({1063, DrawRow({RGB(0, 98, 164), RGB(0, 92, 156), RGB(188, 226, 253), RGB(0, 40, 96)})});
  set.push_back({2689, DrawRow({RGB(241, 207, 138), RGB(233, 180, 59), RGB(204, 102, 0), RGB(204, 102, 0)})});
}

}  // namespace skingen
