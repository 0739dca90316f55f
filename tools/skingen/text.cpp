#include "tools/skingen/text.h"

#include "platform/core/context.h"
#include "platform/gdi/font_engine.h"

namespace skingen {

void DrawLabel(Canvas& canvas, const RECT& box, std::wstring_view text, int height, int weight,
               COLORREF color, Align align) {
  auto face = platform::Context::Get().Use<gdi::FontEngine>().Get(
      gdi::FontSpec{L"NanumGothic", height, weight, false});
  const SIZE extent = face->Measure(text);
  int x = box.left;
  if (align == Align::Center) x = (box.left + box.right - extent.cx) / 2;
  if (align == Align::Right) x = box.right - extent.cx;
  const int y = box.top + (box.bottom - box.top - extent.cy) / 2;
  const RECT clip[] = {box};
  face->Draw(canvas.Surface(), x, y, text, color, clip);
}

}  // namespace skingen
