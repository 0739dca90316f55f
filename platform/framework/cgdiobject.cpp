#include "platform/framework/cgdiobject.h"

#include <memory>

#include "platform/core/context.h"
#include "platform/framework/cdc.h"
#include "platform/framework/handle_map.h"

namespace {

class GdiHandleMap : public platform::Service, public framework::HandleMap<CGdiObject> {
 public:
  GdiHandleMap() : HandleMap([](void* handle) { return ::GetObjectType(handle) != 0; }) {}
};

GdiHandleMap& Map() { return platform::Context::Get().Use<GdiHandleMap>(); }

// A temporary wrapper of the class matching the object's kind.
std::unique_ptr<CGdiObject> MakeTemporary(void* handle) {
  std::unique_ptr<CGdiObject> wrapper;
  switch (::GetObjectType(handle)) {
    case OBJ_BITMAP: wrapper = std::make_unique<CBitmap>(); break;
    case OBJ_FONT: wrapper = std::make_unique<CFont>(); break;
    case OBJ_PEN: wrapper = std::make_unique<CPen>(); break;
    default: return nullptr;
  }
  wrapper->m_hObject = handle;
  return wrapper;
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) { return Map().Find(handle, MakeTemporary); }

BOOL CGdiObject::Attach(HGDIOBJ handle) {
  if (m_hObject || !handle || !Map().Register(handle, this)) return FALSE;
  m_hObject = handle;
  return TRUE;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ created) {
  if (Attach(created)) return TRUE;
  if (created) ::DeleteObject(created);
  return FALSE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ handle = m_hObject;
  if (handle) Map().Unregister(handle, this);
  m_hObject = nullptr;
  return handle;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

template <class Wrapper>
static Wrapper* TypedFromHandle(HGDIOBJ handle) {
  return dynamic_cast<Wrapper*>(CGdiObject::FromHandle(handle));
}

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return TypedFromHandle<CBitmap>(handle); }
CFont* CFont::FromHandle(HFONT handle) { return TypedFromHandle<CFont>(handle); }
CPen* CPen::FromHandle(HPEN handle) { return TypedFromHandle<CPen>(handle); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return AttachCreated(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
  return AttachCreated(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outputPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       LPCTSTR face) {
  return AttachCreated(::CreateFont(height, width, escapement, orientation, weight, italic,
                                    underline, strikeOut, charSet, outputPrecision, clipPrecision,
                                    quality, pitchAndFamily, face));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
  return AttachCreated(::CreateFontIndirect(font));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  return AttachCreated(::CreatePen(style, width, color));
}
