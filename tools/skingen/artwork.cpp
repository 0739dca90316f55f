#include "tools/skingen/artwork.h"

#include <iterator>

namespace skingen {

ArtworkList DrawAllBitmaps() {
  ArtworkList all;
  for (ArtworkList (*family)() : {DrawCalendarSkins, DrawListBoxSkins, DrawEntryDialogSkins,
                                  DrawMonthListSkins, DrawKeypadSkins, DrawMessageBoxSkins}) {
    ArtworkList part = family();
    std::move(part.begin(), part.end(), std::back_inserter(all));
  }
  return all;
}

}  // namespace skingen
