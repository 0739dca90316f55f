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

ArtworkList DrawCalendarSkins();
ArtworkList DrawListBoxSkins();
ArtworkList DrawEntryDialogSkins();
ArtworkList DrawMonthListSkins();
ArtworkList DrawKeypadSkins();
ArtworkList DrawMessageBoxSkins();

ArtworkList DrawAllBitmaps();
res::Image DrawProgramIcon();

// The given images scaled 2x on a neutral ground, each labelled with its id.
res::Image DrawContactSheet(const ArtworkList& bitmaps);

}  // namespace skingen
