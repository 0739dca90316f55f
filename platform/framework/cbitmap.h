#pragma once

#include "platform/framework/cgdiobject.h"

class CDC;

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
