// A review sheet: every bitmap at twice its size on a neutral grey, rows
// packed left to right, each under a label with its id and size.
#include <algorithm>
#include <string>

#include "tools/skingen/artwork.h"
#include "tools/skingen/chrome.h"

namespace skingen {

namespace {

constexpr int kSheetWidth = 1440;
constexpr int kMargin = 16;
constexpr int kLabelHeight = 22;
constexpr gdi::Pixel kGround = Rgb(104, 108, 116);

void PasteScaled(Canvas& canvas, const res::Image& image, int x, int y) {
  for (int row = 0; row < image.height; ++row)
    for (int col = 0; col < image.width; ++col)
      canvas.Fill({x + 2 * col, y + 2 * row, x + 2 * col + 2, y + 2 * row + 2},
                  image.pixels[static_cast<std::size_t>(row) * image.width + col]);
}

struct Placement {
  const Artwork* art;
  int x, y;
};

// Shelf packing in list order; returns the sheet height needed.
int Place(const ArtworkList& bitmaps, std::vector<Placement>& placements) {
  int x = kMargin, y = kMargin, shelf = 0;
  for (const Artwork& art : bitmaps) {
    const int width = std::max(2 * art.image.width, 120),
              height = 2 * art.image.height + kLabelHeight;
    if (x + width + kMargin > kSheetWidth && x > kMargin) {
      x = kMargin;
      y += shelf + kMargin;
      shelf = 0;
    }
    placements.push_back({&art, x, y});
    x += width + kMargin;
    shelf = std::max(shelf, height);
  }
  return y + shelf + kMargin;
}

std::wstring Label(const Artwork& art) {
  return std::to_wstring(art.id) + L"   " + std::to_wstring(art.image.width) + L" x " +
         std::to_wstring(art.image.height);
}

}  // namespace

res::Image DrawContactSheet(const ArtworkList& bitmaps) {
  std::vector<Placement> placements;
  const int height = Place(bitmaps, placements);
  res::Image sheet = MakeImage(kSheetWidth, height, kGround);
  Canvas canvas(sheet);
  for (const Placement& p : placements) {
    DrawText(canvas, {p.x, p.y, p.x + 400, p.y + kLabelHeight - 4}, Label(*p.art),
             {14, true, theme::kWhite, Align::kLeft});
    PasteScaled(canvas, p.art->image, p.x, p.y + kLabelHeight);
  }
  return sheet;
}

}  // namespace skingen
