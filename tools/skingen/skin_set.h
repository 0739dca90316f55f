// The bitmaps the generator makes, by resource id, in the order drawn.
#pragma once

#include <vector>

#include "tools/skingen/canvas.h"

namespace skingen {

struct Skin {
  WORD id;
  Canvas canvas;
};

using SkinSet = std::vector<Skin>;

// One function per screen family; each appends its bitmaps.
void AddCalendarSkins(SkinSet& set);
void AddListBoxSkins(SkinSet& set);
void AddEntrySkins(SkinSet& set);
void AddMonthListSkins(SkinSet& set);
void AddKeypadSkins(SkinSet& set);
void AddMessageBoxSkins(SkinSet& set);

SkinSet DrawAllSkins();
Canvas DrawIcon();

}  // namespace skingen
