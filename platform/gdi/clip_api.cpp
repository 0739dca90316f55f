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

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  const RECT rect{left, top, right, bottom};
  return static_cast<HRGN>(
      ObjectTable::Get().Add(std::make_unique<gdi::Region>(gdi::Normalise({&rect, 1}))));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

// The DC keeps its own copy: the region may be deleted afterwards.
int SelectClipRgn(HDC hdc, HRGN region) {
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

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = ObjectTable::Get().Find<DeviceContext>(hdc);
  if (!dc) return RGN_ERROR;
  // Without a region the whole bitmap is the starting point.
  const RECT bounds{0, 0, dc->Target().Width(), dc->Target().Height()};
  const RectList current = dc->ClipRegion() ? *dc->ClipRegion() : RectList{bounds};
  RectList clip = gdi::Intersect(current, RECT{left, top, right, bottom});
  const int kind = KindOf(clip);
  dc->SetClipRegion(std::move(clip));
  return kind;
}

int GetClipBox(HDC hdc, LPRECT rect) {
  DeviceContext* dc = ObjectTable::Get().Find<DeviceContext>(hdc);
  if (!dc || !rect) return RGN_ERROR;
  *rect = gdi::BoundingBox(dc->Clip());
  return KindOf(dc->Clip());
}
