#include "tools/skingen/contact_sheet.h"

#include <algorithm>
#include <string>

#include "tools/skingen/text.h"

namespace skingen {

namespace {

constexpr int kSheetWidth = 1320, kGap = 12, kLabelHeight = 18, kScale = 2;
constexpr COLORREF kSheetBackground = RGB(64, 64, 72);

struct Placement {
  const Canvas* canvas;
  std::wstring label;
  int x, y;
};

// Fills rows left to right, wrapping when a bitmap would not fit.
std::vector<Placement> Layout(const SkinSet& skins, const Canvas& icon, int& height) {
  std::vector<Placement> placements;
  int x = kGap, y = kGap, rowHeight = 0;
  auto place = [&](const Canvas& canvas, std::wstring label) {
    const int w = canvas.Width() * kScale, h = canvas.Height() * kScale + kLabelHeight;
    if (x + w + kGap > kSheetWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placements.push_back({&canvas, std::move(label), x, y});
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
  };
  for (const Skin& skin : skins) place(skin.canvas, std::to_wstring(skin.id));
  place(icon, L"icon 128");
  height = y + rowHeight + kGap;
  return placements;
}

}  // namespace

Canvas DrawContactSheet(const SkinSet& skins, const Canvas& icon) {
  int height = 0;
  const std::vector<Placement> placements = Layout(skins, icon, height);
  Canvas sheet(kSheetWidth, height, kSheetBackground);
  for (const Placement& p : placements) {
    sheet.Copy(*p.canvas, p.x, p.y, kScale);
    const int bottom = p.y + p.canvas->Height() * kScale;
    DrawLabel(sheet, {p.x, bottom, p.x + std::max(80, p.canvas->Width() * kScale), bottom + kLabelHeight},
              p.label, 13, 700, RGB(255, 255, 255), Align::Left);
  }
  return sheet;
}

}  // namespace skingen
