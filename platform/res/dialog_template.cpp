#include "platform/res/dialog_template.h"

#include <array>
#include <set>

#include "platform/core/utf8.h"
#include "platform/res/words.h"

namespace res {

namespace {

// Reads `count` integers off the front of rest.
template <std::size_t count>
std::optional<std::array<int, count>> TakeInts(std::string_view& rest) {
  std::array<int, count> values{};
  for (int& value : values) {
    const auto [word, after] = NextWord(rest);
    const std::optional<int> parsed = ParseNumber<int>(word);
    if (!parsed) return std::nullopt;
    value = *parsed;
    rest = after;
  }
  return values;
}

bool IsKnownClass(std::string_view name) {
  return name == "STATIC" || name == "BUTTON" || name == "ICON";
}

bool ParseControl(std::string_view rest, DialogTemplate& dialog) {
  const auto [className, afterClass] = NextWord(rest);
  if (!IsKnownClass(className)) return false;
  rest = afterClass;
  const auto numbers = TakeInts<5>(rest);
  if (!numbers || (*numbers)[3] < 0 || (*numbers)[4] < 0) return false;
  const auto [styleWord, text] = NextWord(rest);
  const std::optional<DWORD> style = ParseHex(styleWord);
  const std::optional<std::wstring> wideText = platform::WideFromUtf8(text);
  if (!style || !wideText) return false;
  const auto& [id, x, y, cx, cy] = *numbers;
  dialog.items.push_back(DialogItem{std::wstring(className.begin(), className.end()), id, x, y, cx,
                                    cy, *style, *wideText});
  return true;
}

bool ParseFont(std::string_view rest, DialogTemplate& dialog) {
  const auto points = TakeInts<1>(rest);
  const std::optional<std::wstring> face = platform::WideFromUtf8(rest);
  if (!points || (*points)[0] <= 0 || !face || face->empty()) return false;
  dialog.pointSize = (*points)[0];
  dialog.fontFace = *face;
  return true;
}

bool ParseDirective(std::string_view directive, std::string_view rest, DialogTemplate& dialog) {
  if (directive == "control") return ParseControl(rest, dialog);
  if (directive == "font") return ParseFont(rest, dialog);
  if (directive == "caption") {
    const std::optional<std::wstring> caption = platform::WideFromUtf8(rest);
    if (caption) dialog.caption = *caption;
    return caption.has_value();
  }
  if (directive == "style") {
    const std::optional<DWORD> style = ParseHex(rest);
    if (style) dialog.style = *style;
    return style.has_value();
  }
  const bool isSize = directive == "size";
  if (!isSize && directive != "position") return false;
  const auto pair = TakeInts<2>(rest);
  if (!pair || !rest.empty()) return false;
  if (isSize && ((*pair)[0] < 0 || (*pair)[1] < 0)) return false;
  (isSize ? dialog.cx : dialog.x) = (*pair)[0];
  (isSize ? dialog.cy : dialog.y) = (*pair)[1];
  return true;
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text) {
  DialogTemplate dialog;
  std::set<std::string_view> seen;
  std::string_view line;
  while (NextLine(text, line)) {
    if (line.empty() || line.front() == '#') continue;
    const auto [directive, rest] = NextWord(line);
    if (directive != "control" && !seen.insert(directive).second) return std::nullopt;
    if (!ParseDirective(directive, rest, dialog)) return std::nullopt;
  }
  const bool complete = seen.count("style") && seen.count("size") && seen.count("font");
  if (!complete) return std::nullopt;
  return dialog;
}

}  // namespace res
