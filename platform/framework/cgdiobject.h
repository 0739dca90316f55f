// The framework's wrappers of graphics object handles: CGdiObject and the
// kinds the program draws with. Destroying a wrapper deletes the object it
// holds; Detach gives the handle up instead.
#pragma once

#include "platform/gdi/wingdi.h"

class CDC;

namespace framework {
template <class Wrapper>
class HandleMap;
}

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  // The wrapper for a handle: its owner, or a temporary that does not own it.
  static CGdiObject* FromHandle(HGDIOBJ handle);

  // False when this wrapper already holds an object, the handle is NULL or
  // another wrapper owns it.
  BOOL Attach(HGDIOBJ handle);
  HGDIOBJ Detach();
  BOOL DeleteObject();

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  int GetObject(int size, LPVOID buffer) const { return ::GetObject(m_hObject, size, buffer); }
  operator HGDIOBJ() const { return m_hObject; }

  HGDIOBJ m_hObject = nullptr;

 protected:
  // Attaches an object just created for this wrapper, or deletes it when
  // the wrapper cannot take it.
  BOOL AttachCreated(HGDIOBJ created);

 private:
  friend class framework::HandleMap<CGdiObject>;
  // For the handle map: lets a temporary go without deleting the object.
  static void ForgetHandle(CGdiObject& temporary) { temporary.m_hObject = nullptr; }
};

class CBitmap : public CGdiObject {
 public:
  static CBitmap* FromHandle(HBITMAP handle);

  // From the executable's bitmap resources; FALSE when there is none.
  BOOL LoadBitmap(UINT resourceId);
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  int GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }

  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CFont : public CGdiObject {
 public:
  static CFont* FromHandle(HFONT handle);

  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                  BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outputPrecision,
                  BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCTSTR face);
  BOOL CreateFontIndirect(const LOGFONT* font);
  int GetLogFont(LOGFONT* font) const { return GetObject(sizeof(LOGFONT), font); }

  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  static CPen* FromHandle(HPEN handle);

  BOOL CreatePen(int style, int width, COLORREF color);

  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};
