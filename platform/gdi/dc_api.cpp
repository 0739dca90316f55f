// Drawing contexts: creation (memory DCs and window surface DCs),
// selection, deletion, colours and modes.
#include <memory>
#include <utility>

#include "platform/gdi/device_context.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"

using gdi::DeviceContext;
using gdi::ObjectKind;
using gdi::ObjectTable;

namespace gdi {

namespace {

template <class T>
Selection<T> Selected(void* handle) {
  return Selection<T>{handle, ObjectTable::Get().Find<T>(handle)};
}

// A DC with the bitmap selected and the stock font and pen.
HDC CreateDC(DeviceContext::Type type, void* bitmap) {
  ObjectTable& table = ObjectTable::Get();
  return static_cast<HDC>(table.Make<DeviceContext>(type, Selected<Bitmap>(bitmap),
                                                    Selected<Font>(table.StockFont()),
                                                    Selected<Pen>(table.StockPen())));
}

}  // namespace

HDC CreateSurfaceDC(HBITMAP surface) {
  Bitmap* bitmap = ObjectTable::Get().Find<Bitmap>(surface);
  if (!bitmap || bitmap->Format() != BitmapFormat::Device32) return nullptr;
  return CreateDC(DeviceContext::Type::Surface, surface);
}

void SetSystemClip(HDC dc, std::vector<RECT> rects) {
  if (DeviceContext* found = FindDC(dc)) found->SetSystemClip(Normalise(rects));
}

}  // namespace gdi

using gdi::FindDC;

HDC CreateCompatibleDC(HDC hdc) {
  // Every DC here is 32-bit or a memory DC of it; all are screen-compatible.
  if (hdc && !FindDC(hdc)) return nullptr;
  return gdi::CreateDC(DeviceContext::Type::Memory, ObjectTable::Get().StockBitmap());
}

BOOL DeleteDC(HDC hdc) { return FindDC(hdc) && ObjectTable::Get().Remove(hdc); }

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = FindDC(hdc);
  gdi::GdiObject* found = ObjectTable::Get().Find(object);
  if (!dc || !found) return nullptr;
  switch (found->Kind()) {
    case ObjectKind::Bitmap: return dc->Select(object, static_cast<gdi::Bitmap&>(*found));
    case ObjectKind::Font: return dc->Select(object, static_cast<gdi::Font&>(*found));
    case ObjectKind::Pen: return dc->Select(object, static_cast<gdi::Pen&>(*found));
    case ObjectKind::DC: return nullptr;
  }
  return nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT kind) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->Current(kind) : nullptr;
}

// DCs are DeleteDC's to delete.
BOOL DeleteObject(HGDIOBJ object) {
  ObjectTable& table = ObjectTable::Get();
  gdi::GdiObject* found = table.Find(object);
  if (!found || found->Kind() == ObjectKind::DC || found->IsSelected()) return FALSE;
  if (found->IsStock()) return TRUE;
  return table.Remove(object);
}

DWORD GetObjectType(HGDIOBJ object) {
  gdi::GdiObject* found = ObjectTable::Get().Find(object);
  if (!found) return 0;
  switch (found->Kind()) {
    case ObjectKind::Bitmap: return OBJ_BITMAP;
    case ObjectKind::Pen: return OBJ_PEN;
    case ObjectKind::Font: return OBJ_FONT;
    case ObjectKind::DC:
      return static_cast<DeviceContext*>(found)->GetType() == DeviceContext::Type::Memory
                 ? OBJ_MEMDC
                 : OBJ_DC;
  }
  return 0;
}

static COLORREF ExchangeColor(HDC hdc, COLORREF DeviceContext::*field, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? std::exchange(dc->*field, color) : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  return ExchangeColor(hdc, &DeviceContext::bkColor, color);
}

COLORREF GetBkColor(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  return ExchangeColor(hdc, &DeviceContext::textColor, color);
}

COLORREF GetTextColor(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->textColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->bkMode;
  dc->bkMode = mode;
  return previous;
}
