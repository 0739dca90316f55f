// Writes the whole resource tree: bitmaps/<id>.png, icons/<id>.png,
// dialogs/<id>.dlg, manifest.txt and contact-sheet.png under one folder.
#pragma once

#include <string>

#include "resources/resource_ids.h"

namespace skingen {

constexpr int kProgramIconId = IDI_PROGRAM;

// False, with a one-line reason, when a folder or file cannot be written.
bool WriteResources(const std::string& folder, std::string& error);

}  // namespace skingen
