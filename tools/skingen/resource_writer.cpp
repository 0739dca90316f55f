#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/skingen/artwork.h"

namespace skingen {

namespace {

namespace fs = std::filesystem;

// The dialog templates, one directive a line. The full-screen dialogs'
// are empty (they size and paint themselves): WS_POPUP | DS_SETFONT.
constexpr const char* kEmptyTemplate =
    "style 0x80000040\n"
    "size 187 98\n"
    "font 10 System\n";

// WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT; controls
// are WS_CHILD | WS_VISIBLE with SS_ICON, SS_LEFT and, for OK,
// WS_TABSTOP | BS_DEFPUSHBUTTON.
constexpr const char* kAboutTemplate =
    "style 0x80C800C0\n"
    "size 235 55\n"
    "font 8 MS Sans Serif\n"
    "caption About Roadtally\n"
    "control ICON -1 11 17 20 20 0x50000003 128\n"
    "control STATIC -1 40 10 119 8 0x50000000 Roadtally Version 1.0\n"
    "control STATIC -1 40 25 119 8 0x50000000 What the car costs, day by day\n"
    "control BUTTON 1 178 7 50 14 0x50010001 OK\n";

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

bool WritePng(const fs::path& path, res::Image image) {
  return res::WritePngFile(path.string(), image.View());
}

bool MakeFolders(const fs::path& root, std::string& error) {
  std::error_code code;
  for (const char* sub : {"bitmaps", "icons", "dialogs"}) {
    fs::create_directories(root / sub, code);
    if (code) {
      error = "cannot create " + (root / sub).string() + ": " + code.message();
      return false;
    }
  }
  return true;
}

}  // namespace

ArtworkList DrawAllBitmaps() {
  ArtworkList all;
  for (ArtworkList (*family)() : {DrawCalendarSkins, DrawListBoxSkins, DrawEntryDialogSkins,
                                  DrawMonthListSkins, DrawKeypadSkins, DrawMessageBoxSkins}) {
    ArtworkList part = family();
    std::move(part.begin(), part.end(), std::back_inserter(all));
  }
  return all;
}

bool WriteResources(const std::string& folder, std::string& error) {
  const fs::path root(folder);
  if (!MakeFolders(root, error)) return false;
  std::string manifest =
      "# Roadtally resources, written by roadtally-skingen: <kind> <id> <path>\n"
      "# Bitmaps are the skins; green RGB(0, 255, 0) is see-through in keyed skins.\n";
  // Where a resource is written, listed in the manifest as it is.
  const auto listed = [&](const char* kind, const char* sub, int id, const char* extension) {
    const std::string path = std::string(sub) + "/" + std::to_string(id) + extension;
    manifest += std::string(kind) + " " + std::to_string(id) + " " + path + "\n";
    return root / path;
  };
  ArtworkList reviewed = DrawAllBitmaps();
  bool ok = true;
  for (const Artwork& art : reviewed)
    ok = ok && WritePng(listed("bitmap", "bitmaps", art.id, ".png"), art.image);
  reviewed.push_back({kProgramIconId, DrawProgramIcon()});
  ok = ok && WritePng(listed("icon", "icons", kProgramIconId, ".png"), reviewed.back().image);
  ok = ok && WriteText(listed("dialog", "dialogs", IDD_ABOUT, ".dlg"), kAboutTemplate);
  for (int id = IDD_ENTRY; id <= IDD_MESSAGE_BOX; ++id)
    ok = ok && WriteText(listed("dialog", "dialogs", id, ".dlg"), kEmptyTemplate);
  ok = ok && WriteText(root / "manifest.txt", manifest);
  ok = ok && WritePng(root / "contact-sheet.png", DrawContactSheet(reviewed));
  if (!ok) error = "cannot write the resources under " + folder;
  return ok;
}

}  // namespace skingen
