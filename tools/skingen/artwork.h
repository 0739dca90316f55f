// Every resource of the program, made from code: the images (each screen
// family has its own drawing file), the program icon and the dialog
// templates, written out as the resource tree the program loads.
#pragma once

#include <string>
#include <vector>

#include "platform/res/png_codec.h"
#include "resources/resource_ids.h"

namespace skingen {

constexpr int kProgramIconId = IDI_PROGRAM;

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

// Every family's images, in id order of the manifest.
ArtworkList DrawAllBitmaps();
res::Image DrawProgramIcon();

// The given images scaled 2x on a neutral ground, each labelled with its id.
res::Image DrawContactSheet(const ArtworkList& bitmaps);

// Writes bitmaps/<id>.png, icons/<id>.png, dialogs/<id>.dlg, manifest.txt
// and contact-sheet.png under the folder. False, with a one-line reason,
// when a folder or file cannot be written.
bool WriteResources(const std::string& folder, std::string& error);

}  // namespace skingen
