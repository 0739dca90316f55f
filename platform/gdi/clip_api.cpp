// Clip regions.
#include <memory>

#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/wingdi.h"

using gdi::DeviceContext;
using gdi::ObjectTable;
using gdi::RectList;

namespace {

int KindOf(const RectList& rects) {
  if (rects.empty()) return NULLREGION;
  return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// The DC keeps its own copy: the region may be deleted afterwards.
int SelectClip(HDC hdc, HRGN region) {
  DeviceContext* dc = ObjectTable::Get().Find<DeviceContext>(hdc);
  if (!dc) return RGN_ERROR;
  if (!region) {
    dc->SetClipRegion(std::nullopt);
    return SIMPLEREGION;
  }
  gdi::Region* found = ObjectTable::Get().Find<gdi::Region>(region);
  if (!found) return RGN_ERROR;
  dc->SetClipRegion(found->Rects());
  return KindOf(found->Rects());
}

int IntersectClip(HDC hdc, const RECT& rect) {
  DeviceContext* dc = ObjectTable::Get().Find<DeviceContext>(hdc);
  if (!dc) return RGN_ERROR;
  // Without a region the whole bitmap is the starting point.
  const RECT bounds{0, 0, dc->Target().Width(), dc->Target().Height()};
  const RectList current = dc->ClipRegion() ? *dc->ClipRegion() : RectList{bounds};
  RectList clip = gdi::Intersect(current, rect);
  const int kind = KindOf(clip);
  dc->SetClipRegion(std::move(clip));
  return kind;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  const RECT rect{left, top, right, bottom};
  return platform::OrFailure<HRGN>(nullptr, [&] {
    return static_cast<HRGN>(ObjectTable::Get().Make<gdi::Region>(gdi::Normalise({&rect, 1})));
  });
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

int SelectClipRgn(HDC hdc, HRGN region) {
  return platform::OrFailure<int>(RGN_ERROR, [&] { return SelectClip(hdc, region); });
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return platform::OrFailure<int>(RGN_ERROR, [&] {
    return IntersectClip(hdc, {left, top, right, bottom});
  });
}
