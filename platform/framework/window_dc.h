// Drawing contexts onto a window: CPaintDC for WM_PAINT handlers
// (BeginPaint/EndPaint, drawing clipped to the update region), CClientDC for
// drawing outside a paint (GetDC/ReleaseDC).
#pragma once

#include "platform/framework/cdc.h"
#include "platform/win/winuser.h"

class CWnd;

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps;

 protected:
  HWND m_hWnd;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);  // NULL: a DC compatible with the screen
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};
