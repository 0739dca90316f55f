#include "skin/fitted_text.h"

#include <cstdlib>

namespace {

// Smaller than this no text is read on the device's screen.
constexpr int kSmallestHeight = 7;

int WidthOf(CDC* dc, std::wstring_view text) {
  return dc->GetTextExtent(text.data(), static_cast<int>(text.size())).cx;
}

}  // namespace

std::wstring ShortenNumberToFit(std::wstring_view text,
                                const std::function<bool(std::wstring_view)>& fits) {
  if (fits(text)) return std::wstring(text);
  std::wstring_view shorter = text;
  if (shorter.ends_with(L".00")) {
    shorter.remove_suffix(3);
    if (fits(shorter)) return std::wstring(shorter);
  }
  const std::size_t point = shorter.find(L'.');
  if (point != std::wstring_view::npos) shorter = shorter.substr(0, point);
  return std::wstring(shorter);
}

// A smaller font is made a pixel at a time; the one selected before is
// put back before each is deleted, and after the text is drawn.
void DrawShrunkToFit(CDC* dc, std::wstring_view text, const CRect& rect, UINT format) {
  const std::wstring whole(text);
  CRect box(rect);
  CFont* selected = dc->GetCurrentFont();
  LOGFONT font{};
  CFont smaller;
  CFont* previous = nullptr;
  if (WidthOf(dc, whole) > box.Width() && selected && selected->GetLogFont(&font)) {
    const int sign = font.lfHeight < 0 ? -1 : 1;
    font.lfWidth = 0;
    for (int height = std::abs(font.lfHeight) - 1; height >= kSmallestHeight; --height) {
      if (previous) dc->SelectObject(previous);
      smaller.DeleteObject();
      font.lfHeight = sign * height;
      if (!smaller.CreateFontIndirect(&font)) break;
      CFont* before = dc->SelectObject(&smaller);
      if (!previous) previous = before;
      if (WidthOf(dc, whole) <= box.Width()) break;
    }
  }
  dc->DrawText(whole.c_str(), -1, &box, format | DT_SINGLELINE);
  if (previous) dc->SelectObject(previous);
}

void DrawNumberToFit(CDC* dc, std::wstring_view text, const CRect& rect, UINT format) {
  const std::wstring shown = ShortenNumberToFit(text, [dc, &rect](std::wstring_view candidate) {
    return WidthOf(dc, candidate) <= rect.Width();
  });
  DrawShrunkToFit(dc, shown, rect, format);
}
