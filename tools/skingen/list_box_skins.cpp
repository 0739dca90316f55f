// The skinned list box: scroll thumb, track, the arrows in both states and
// the normal and selected row bands. Only a row band's left edge is ever
// seen between columns, so its dark outer and light inner lines start at
// x = 0 and x = 1.
#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

constexpr gdi::Pixel kOrange = Rgb(204, 102, 0);
constexpr gdi::Pixel kDarkRed = Rgb(104, 16, 0);
constexpr gdi::Pixel kRowOutline = Rgb(4, 18, 38);
constexpr int kArrowSize = 28;
constexpr int kRowWidth = 380, kRowHeight = 28;

// Fills the arrow's triangle and shades its edges: light where the pixel
// to the left is outside it, dark where the pixel to the right or below is.
void FillArrow(Canvas& canvas, Direction direction, gdi::Pixel body, gdi::Pixel light,
               gdi::Pixel dark) {
  res::Image mask = MakeImage(kArrowSize, kArrowSize, 0);
  Canvas shape(mask);
  if (direction == Direction::kUp)
    FillTriangle(shape, {14, 7}, {5, 20}, {23, 20}, 1);
  else
    FillTriangle(shape, {14, 21}, {5, 8}, {23, 8}, 1);
  const auto inside = [&](int x, int y) {
    return shape.Contains(x, y) && mask.pixels[static_cast<std::size_t>(y) * kArrowSize + x] != 0;
  };
  for (int y = 0; y < kArrowSize; ++y)
    for (int x = 0; x < kArrowSize; ++x) {
      if (!inside(x, y)) continue;
      gdi::Pixel color = body;
      if (!inside(x + 1, y) || !inside(x, y + 1)) color = dark;
      if (!inside(x - 1, y)) color = light;
      canvas.Plot(x, y, color);
    }
}

res::Image DrawThumb() {
  res::Image thumb = MakeImage(17, 21, theme::kBlack);
  Canvas canvas(thumb);
  FillGradient(canvas, {1, 1, 16, 20}, {Rgb(222, 226, 232), Rgb(168, 174, 184)});
  canvas.HLine(1, 16, 1, kOrange);
  canvas.VLine(1, 1, 20, kOrange);
  canvas.HLine(2, 16, 19, kDarkRed);
  canvas.VLine(15, 2, 20, kDarkRed);
  canvas.HLine(4, 13, 10, kOrange);
  canvas.HLine(4, 13, 11, Rgb(120, 126, 136));
  return thumb;
}

res::Image DrawTrack() {
  res::Image track = MakeImage(28, 140, Rgb(52, 0, 0));
  Canvas canvas(track);
  for (int y = 2; y < 138; y += 2)
    for (int x = 8; x <= 18; x += 2) canvas.Plot(x, y, kOrange);
  canvas.HLine(0, 26, 0, Rgb(85, 0, 8));
  canvas.VLine(0, 0, 138, Rgb(85, 0, 8));
  canvas.Fill({26, 0, 28, 140}, Rgb(10, 4, 4));
  canvas.Fill({0, 138, 28, 140}, Rgb(10, 4, 4));
  return track;
}

res::Image DrawArrowButton(Direction direction, bool pressed) {
  res::Image button = MakeImage(kArrowSize, kArrowSize, theme::kBlack);
  Canvas canvas(button);
  const RECT body{1, 1, kArrowSize - 1, kArrowSize - 1};
  if (pressed) {
    FillGradient(canvas, body, {Rgb(252, 216, 160), Rgb(240, 174, 88)});
    canvas.Frame(body, kOrange);
    FillArrow(canvas, direction, Rgb(200, 204, 212), theme::kWhite, Rgb(118, 122, 132));
  } else {
    FillGradient(canvas, body, {Rgb(232, 235, 240), Rgb(186, 191, 200)});
    canvas.HLine(1, kArrowSize - 1, 1, theme::kWhite);
    canvas.VLine(1, 1, kArrowSize - 1, theme::kWhite);
    canvas.HLine(2, kArrowSize - 1, kArrowSize - 2, Rgb(128, 132, 142));
    canvas.VLine(kArrowSize - 2, 2, kArrowSize - 1, Rgb(128, 132, 142));
    FillArrow(canvas, direction, Rgb(232, 122, 8), Rgb(255, 204, 64), kDarkRed);
  }
  return button;
}

res::Image DrawRow(bool selected) {
  res::Image row = MakeImage(kRowWidth, kRowHeight, kRowOutline);
  Canvas canvas(row);
  if (selected) {
    FillGradient(canvas, {1, 2, kRowWidth, kRowHeight - 2},
                 {Rgb(241, 207, 138), Rgb(233, 180, 59)});
    canvas.HLine(1, kRowWidth, 1, kOrange);
    canvas.HLine(1, kRowWidth, kRowHeight - 2, kOrange);
  } else {
    FillGradient(canvas, {2, 2, kRowWidth, kRowHeight - 1}, {Rgb(0, 98, 164), Rgb(0, 92, 156)});
    canvas.HLine(1, kRowWidth, 1, Rgb(188, 226, 253));
    canvas.VLine(1, 1, kRowHeight, Rgb(188, 226, 253));
    canvas.HLine(2, kRowWidth, kRowHeight - 1, Rgb(0, 44, 96));
  }
  return row;
}

}  // namespace

ArtworkList DrawListBoxSkins() {
  return {{IDB_LIST_THUMB, DrawThumb()},
          {IDB_LIST_TRACK, DrawTrack()},
          {IDB_LIST_UP, DrawArrowButton(Direction::kUp, false)},
          {IDB_LIST_UP_DOWN, DrawArrowButton(Direction::kUp, true)},
          {IDB_LIST_DOWN, DrawArrowButton(Direction::kDown, false)},
          {IDB_LIST_DOWN_DOWN, DrawArrowButton(Direction::kDown, true)},
          {IDB_LIST_ROW, DrawRow(false)},
          {IDB_LIST_ROW_SEL, DrawRow(true)}};
}

}  // namespace skingen
