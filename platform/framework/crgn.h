#pragma once

#include "platform/framework/cgdiobject.h"

class CRgn : public CGdiObject {
 public:
  static CRgn* FromHandle(HRGN handle);

  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(LPCRECT rect);

  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};
