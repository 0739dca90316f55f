#include "tools/skingen/text.h"

#include "platform/core/context.h"
#include "platform/gdi/font_engine.h"

namespace skingen {

namespace {

int LeftFor(const RECT& box, int width, Align align) {
  switch (align) {
    case Align::kLeft: return box.left;
    case Align::kRight: return box.right - width;
    case Align::kCenter: break;
  }
  return box.left + (box.right - box.left - width) / 2;
}

}  // namespace

void DrawText(Canvas& canvas, const RECT& box, std::wstring_view text, const TextStyle& style) {
  gdi::FontEngine& engine = platform::Context::Get().Use<gdi::FontEngine>();
  const std::shared_ptr<gdi::Typeface> face = engine.Get({style.height, style.bold ? 700 : 400});
  const SIZE extent = face->Measure(text);
  const int x = LeftFor(box, extent.cx, style.align);
  const int y = box.top + (box.bottom - box.top - extent.cy) / 2;
  const RECT clip[1] = {box};
  face->Draw(canvas.Image().View(), x, y, text, gdi::ColorFromPixel(style.color), clip);
}

}  // namespace skingen
