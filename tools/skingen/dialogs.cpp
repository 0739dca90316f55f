#include "tools/skingen/dialogs.h"

namespace skingen {

namespace {

// Win32 style bits, as the templates store them.
constexpr unsigned kPopup = 0x80000000, kCaption = 0x00C00000, kSysMenu = 0x00080000,
                   kModalFrame = 0x80, kSetFont = 0x40;
constexpr unsigned kChild = 0x40000000, kVisible = 0x10000000;
constexpr unsigned kIconStyle = 0x3, kDefPushButton = 0x1;

std::string Hex(unsigned value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
  return text;
}

std::string EmptyTemplate() {
  return "style " + Hex(kPopup | kSetFont) + "\nsize 187 98\nfont 10 System\n";
}

std::string AboutTemplate() {
  const std::string control = " " + Hex(kChild | kVisible);
  return "style " + Hex(kPopup | kCaption | kSysMenu | kModalFrame | kSetFont) +
         "\nsize 235 55\nfont 8 MS Sans Serif\ncaption About Roadtally\n"
         "control ICON -1 11 17 20 20 " + Hex(kChild | kVisible | kIconStyle) + " 128\n"
         "control STATIC -1 40 10 119 8" + control + " Roadtally Version 1.0\n"
         "control STATIC -1 40 25 119 8" + control + " A logbook of what the car costs\n"
         "control BUTTON 1 178 7 50 14 " + Hex(kChild | kVisible | kDefPushButton) + " OK\n";
}

}  // namespace

std::vector<DialogText> DialogTemplates() {
  std::vector<DialogText> templates{{100, AboutTemplate()}};
  for (WORD id = 169; id <= 174; ++id) templates.push_back({id, EmptyTemplate()});
  return templates;
}

}  // namespace skingen
