// Every image the program's resources hold, drawn from code. Each screen
// family has its own drawing file; DrawAllBitmaps lists them in id order
// of the manifest.
#pragma once

#include <vector>

#include "platform/res/png_codec.h"

namespace skingen {

struct Artwork {
  int id;
  res::Image image;
};

using ArtworkList = std::vector<Artwork>;

ArtworkList DrawCalendarSkins();     // 168, 164, 165, 166, 2793
ArtworkList DrawListBoxSkins();      // 1049, 2718, 2715, 2714, 2712, 2713, 1063, 2689
ArtworkList DrawEntryDialogSkins();  // 171
ArtworkList DrawMonthListSkins();    // 157
ArtworkList DrawKeypadSkins();       // 232, 2166, 2708, 2709, 259, 2792
ArtworkList DrawMessageBoxSkins();   // 2251, 1001, 2795, 2796

ArtworkList DrawAllBitmaps();
res::Image DrawProgramIcon();  // icon 128

// The given images scaled 2x on a neutral ground, each labelled with its id.
res::Image DrawContactSheet(const ArtworkList& bitmaps);

}  // namespace skingen
