// Dialog templates, kept as UTF-8 text, one directive per line:
//   style 0x<hex>
//   size <cx> <cy>
//   position <x> <y>                                    (optional)
//   font <points> <face words...>
//   caption <text...>                                   (optional)
//   control <class> <id> <x> <y> <cx> <cy> 0x<style> <text...>
// class is STATIC, BUTTON or ICON (text: the icon's id). Sizes and
// positions are in dialog units. Blank lines and '#' lines are ignored.
// Parsing is strict: any malformed or repeated directive rejects the whole
// template.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/windef.h"

namespace res {

struct DialogItem {
  std::wstring className;
  int id = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = 0;
  std::wstring text;
};

struct DialogTemplate {
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  int pointSize = 0;
  std::wstring fontFace;
  std::wstring caption;
  std::vector<DialogItem> items;
};

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text);

}  // namespace res
