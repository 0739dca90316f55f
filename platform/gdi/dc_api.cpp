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
Selection<T> StockSelection(int index) {
  void* handle = ObjectTable::Get().Stock(index);
  return Selection<T>{handle, ObjectTable::Get().Find<T>(handle)};
}

// A DC with bitmap selected and the stock font and pen.
HDC CreateDC(DeviceContext::Type type, void* bitmapHandle, Bitmap& bitmap) {
  return static_cast<HDC>(ObjectTable::Get().Make<DeviceContext>(
      type, Selection<Bitmap>{bitmapHandle, &bitmap}, StockSelection<Font>(SYSTEM_FONT),
      StockSelection<Pen>(BLACK_PEN)));
}

}  // namespace

HDC CreateSurfaceDC(HBITMAP surface) {
  Bitmap* bitmap = ObjectTable::Get().Find<Bitmap>(surface);
  if (!bitmap || bitmap->Format() != BitmapFormat::Device32) return nullptr;
  return CreateDC(DeviceContext::Type::Surface, surface, *bitmap);
}

void SetSystemClip(HDC dc, std::vector<RECT> rects) {
  if (DeviceContext* found = ObjectTable::Get().Find<DeviceContext>(dc))
    found->SetSystemClip(Normalise(rects));
}

}  // namespace gdi

namespace {

DeviceContext* FindDC(HDC hdc) { return ObjectTable::Get().Find<DeviceContext>(hdc); }

}  // namespace

HDC CreateCompatibleDC(HDC hdc) {
  // Every DC here is 32-bit or a memory DC of it; all are screen-compatible.
  if (hdc && !FindDC(hdc)) return nullptr;
  ObjectTable& table = ObjectTable::Get();
  void* stockBitmap = table.StockBitmap();
  return gdi::CreateDC(DeviceContext::Type::Memory, stockBitmap,
                       *table.Find<gdi::Bitmap>(stockBitmap));
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
  if (!dc) return nullptr;
  switch (kind) {
    case OBJ_BITMAP: return dc->Current(ObjectKind::Bitmap);
    case OBJ_FONT: return dc->Current(ObjectKind::Font);
    case OBJ_PEN: return dc->Current(ObjectKind::Pen);
    default: return nullptr;
  }
}

// Refuses DCs (DeleteDC deletes those) and selected objects; stock objects
// stay and report success.
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

// Replaces one of a DC's colours, giving back the one it had.
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
