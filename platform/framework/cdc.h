// The framework's drawing context. A CDC that created or attached its DC
// deletes it when destroyed; SelectObject returns the wrapper of the object
// selected before (a temporary one when nothing owns it, valid as long as
// that object lives).
#pragma once

#include "platform/framework/cgdiobject.h"
#include "platform/framework/crect.h"

namespace framework {
template <class Wrapper>
class HandleMap;
}

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  static CDC* FromHandle(HDC handle);

  // A memory DC compatible with dc; NULL means the screen.
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  BOOL Attach(HDC handle);
  HDC Detach();
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  // The wrapper of the object selected before, as the same kind.
  template <class Object>
  Object* SelectObject(Object* object) {
    return dynamic_cast<Object*>(SelectGdiObject(object));
  }
  CFont* GetCurrentFont() const;

  COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
              DWORD rop);
  BOOL TransparentBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                      int sourceWidth, int sourceHeight, UINT transparent);
  // Fills with the colour through an opaque ExtTextOut, which leaves the
  // background colour set to it.
  void FillSolidRect(LPCRECT rect, COLORREF color);
  void FillSolidRect(int x, int y, int width, int height, COLORREF color);

  CPoint MoveTo(int x, int y);
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

  int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
    return ::DrawText(m_hDC, text, count, rect, format);
  }
  BOOL TextOut(int x, int y, LPCTSTR text, int count) {
    return ::TextOut(m_hDC, x, y, text, count);
  }
  CSize GetTextExtent(LPCTSTR text, int count) const;

  HDC m_hDC = nullptr;

 private:
  CGdiObject* SelectGdiObject(CGdiObject* object);
  friend class framework::HandleMap<CDC>;
  static void ForgetHandle(CDC& temporary) { temporary.m_hDC = nullptr; }
};
