#include "platform/framework/cdc.h"

#include <memory>

#include "platform/core/context.h"
#include "platform/framework/handle_map.h"

namespace {

class DcHandleMap : public platform::Service, public framework::HandleMap<CDC> {
 public:
  DcHandleMap() : HandleMap([](void* handle) { return ::GetObjectType(handle) != 0; }) {}
};

DcHandleMap& Map() { return platform::Context::Get().Use<DcHandleMap>(); }

std::unique_ptr<CDC> MakeTemporary(void* handle) {
  const DWORD kind = ::GetObjectType(handle);
  if (kind != OBJ_DC && kind != OBJ_MEMDC) return nullptr;
  auto wrapper = std::make_unique<CDC>();
  wrapper->m_hDC = static_cast<HDC>(handle);
  return wrapper;
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC handle) { return Map().Find(handle, MakeTemporary); }

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  if (m_hDC) return FALSE;
  HDC created = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
  if (Attach(created)) return TRUE;
  if (created) ::DeleteDC(created);
  return FALSE;
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC handle) {
  if (m_hDC || !handle || !Map().Register(handle, this)) return FALSE;
  m_hDC = handle;
  return TRUE;
}

HDC CDC::Detach() {
  HDC handle = m_hDC;
  if (handle) Map().Unregister(handle, this);
  m_hDC = nullptr;
  return handle;
}

CGdiObject* CDC::SelectGdiObject(CGdiObject* object) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, object ? object->m_hObject : nullptr));
}

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY,
                  rop);
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, UINT transparent) {
  return ::TransparentBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                          sourceY, sourceWidth, sourceHeight, transparent);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  ::SetBkColor(m_hDC, color);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
  const RECT rect{x, y, x + width, y + height};
  FillSolidRect(&rect, color);
}

CPoint CDC::MoveTo(int x, int y) {
  POINT previous{0, 0};
  ::MoveToEx(m_hDC, x, y, &previous);
  return CPoint(previous);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
  SIZE size{0, 0};
  ::GetTextExtentPoint32(m_hDC, text, count, &size);
  return CSize(size);
}
