#pragma once

#include "platform/framework/cgdiobject.h"

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  static CBrush* FromHandle(HBRUSH handle);

  BOOL CreateSolidBrush(COLORREF color);

  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
