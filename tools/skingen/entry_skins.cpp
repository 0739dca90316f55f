// The expense entry screen 171: date title bar, four rows of caption box and
// value box, and the confirm and cancel faces.
#include <array>

#include "tools/skingen/palette.h"
#include "tools/skingen/screen.h"
#include "tools/skingen/skin_set.h"
#include "tools/skingen/text.h"

namespace skingen {

namespace {

struct Row {
  RECT caption;
  RECT box;
  const wchar_t* unit;  // null: the item row, which has the drop-down arrow
};

constexpr std::array<Row, 4> kRows = {{
    {{11, 47, 95, 81}, {102, 47, 309, 81}, nullptr},
    {{11, 86, 95, 120}, {102, 86, 309, 120}, L"Lit."},
    {{11, 126, 95, 160}, {102, 126, 309, 160}, L"원"},
    {{11, 164, 95, 198}, {102, 164, 309, 198}, L"km"},
}};

// Right of the value text, which ends at x = 258 (the item name at 281).
void DrawUnitOrArrow(Canvas& screen, const Row& row) {
  if (!row.unit) {
    const RECT arrow{284, row.box.top + 6, 304, row.box.bottom - 6};
    DrawArrowHead(screen, arrow, Pointing::Down, 6, palette::kOrangeFaceBottom);
    return;
  }
  const RECT unit{262, row.box.top, 304, row.box.bottom};
  DrawLabel(screen, unit, row.unit, 13, 700, palette::kMutedText, Align::Left);
}

Canvas DrawEntryScreen() {
  Canvas screen = NewScreen();
  DrawPanel(screen, {11, 7, 309, 38}, palette::kPanel);
  for (const Row& row : kRows) {
    DrawPanel(screen, row.caption, palette::kPanel);
    DrawPanel(screen, row.box, palette::kValueBox);
    DrawUnitOrArrow(screen, row);
  }
  DrawBottomFaces(screen, {0, 3});
  return screen;
}

}  // namespace

void AddEntrySkins(SkinSet& set) { set.push_back({171, DrawEntryScreen()}); }

}  // namespace skingen
