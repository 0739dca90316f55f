#pragma once

#include "platform/framework/cgdiobject.h"

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
