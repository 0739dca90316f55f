// The program icon: a fuel gauge over a small car, on a dark tile.
#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

res::Image DrawProgramIcon() {
  res::Image icon = MakeImage(32, 32, theme::kOutline);
  Canvas canvas(icon);
  FillShape(canvas, {{1, 1, 31, 31}, 4}, Rgb(60, 110, 186));
  FillShape(canvas, {{2, 2, 30, 30}, 3}, {Rgb(30, 56, 100), Rgb(12, 24, 46)});
  constexpr double cx = 16, cy = 17;
  FillArc(canvas, cx, cy, 9, 13, 180, 220, Rgb(228, 44, 36));
  FillArc(canvas, cx, cy, 9, 13, 224, 360, Rgb(246, 150, 30));
  StrokeLine(canvas, cx, cy, cx + 9.5, cy - 7.5, 2.2, theme::kWhite);
  FillDisc(canvas, cx, cy, 2.6, theme::kWhite);
  FillShape(canvas, {{7, 22, 25, 27}, 2}, Rgb(190, 206, 230));
  FillShape(canvas, {{11, 19, 21, 23}, 1}, Rgb(190, 206, 230));
  FillDisc(canvas, 11, 27, 2.2, Rgb(12, 18, 30));
  FillDisc(canvas, 21, 27, 2.2, Rgb(12, 18, 30));
  return icon;
}

}  // namespace skingen
