#pragma once

#include "platform/framework/cgdiobject.h"

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  static CPen* FromHandle(HPEN handle);

  BOOL CreatePen(int style, int width, COLORREF color);

  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};
