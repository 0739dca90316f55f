#include "tools/skingen/artwork.h"

namespace skingen {

namespace {

// WS_POPUP | DS_SETFONT
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

}  // namespace

std::vector<DialogText> DialogTemplates() {
  std::vector<DialogText> dialogs{{IDD_ABOUT, kAboutTemplate}};
  for (int id = IDD_ENTRY; id <= IDD_MESSAGE_BOX; ++id) dialogs.push_back({id, kEmptyTemplate});
  return dialogs;
}

}  // namespace skingen
