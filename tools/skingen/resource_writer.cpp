#include "tools/skingen/resource_writer.h"

#include <filesystem>
#include <fstream>

#include "tools/skingen/artwork.h"
#include "tools/skingen/dialog_templates.h"

namespace skingen {

namespace {

namespace fs = std::filesystem;

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

bool WritePng(const fs::path& path, res::Image image) {
  return res::WritePngFile(path.string(), image.View());
}

std::string Manifest(const ArtworkList& bitmaps, const std::vector<DialogText>& dialogs) {
  std::string text =
      "# Roadtally resources, written by roadtally-skingen: <kind> <id> <path>\n"
      "# Bitmaps are the skins; green RGB(0, 255, 0) is see-through in keyed skins.\n";
  for (const Artwork& art : bitmaps)
    text += "bitmap " + std::to_string(art.id) + " bitmaps/" + std::to_string(art.id) + ".png\n";
  text += "icon " + std::to_string(kProgramIconId) + " icons/" + std::to_string(kProgramIconId) +
          ".png\n";
  for (const DialogText& dialog : dialogs)
    text +=
        "dialog " + std::to_string(dialog.id) + " dialogs/" + std::to_string(dialog.id) + ".dlg\n";
  return text;
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

bool WriteResources(const std::string& folder, std::string& error) {
  const fs::path root(folder);
  if (!MakeFolders(root, error)) return false;
  const ArtworkList bitmaps = DrawAllBitmaps();
  const std::vector<DialogText> dialogs = DialogTemplates();
  bool ok = true;
  for (const Artwork& art : bitmaps)
    ok = ok && WritePng(root / "bitmaps" / (std::to_string(art.id) + ".png"), art.image);
  const res::Image icon = DrawProgramIcon();
  ok = ok && WritePng(root / "icons" / (std::to_string(kProgramIconId) + ".png"), icon);
  for (const DialogText& dialog : dialogs)
    ok = ok && WriteText(root / "dialogs" / (std::to_string(dialog.id) + ".dlg"), dialog.text);
  ok = ok && WriteText(root / "manifest.txt", Manifest(bitmaps, dialogs));
  ArtworkList reviewed = bitmaps;
  reviewed.push_back({kProgramIconId, icon});
  ok = ok && WritePng(root / "contact-sheet.png", DrawContactSheet(reviewed));
  if (!ok) error = "cannot write the resources under " + folder;
  return ok;
}

}  // namespace skingen
