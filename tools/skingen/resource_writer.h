// Writes the whole resource tree: bitmaps/<id>.png, icons/128.png,
// dialogs/<id>.dlg, manifest.txt and contact-sheet.png under one folder.
#pragma once

#include <string>

namespace skingen {

constexpr int kProgramIconId = 128;

// False, with a one-line reason, when a folder or file cannot be written.
bool WriteResources(const std::string& folder, std::string& error);

}  // namespace skingen
