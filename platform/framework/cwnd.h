// The framework's window. A CWnd is attached to its HWND while the window
// lives: messages reach WindowProc, which looks them up in the message table
// chain and falls back to the window's previous procedure (DefWindowProc).
// A CWnd that deletes itself does so in PostNcDestroy, after the window is
// gone. CPaintDC draws onto a window in a WM_PAINT handler
// (BeginPaint/EndPaint, clipped to the update region), CClientDC outside a
// paint (GetDC/ReleaseDC).
#pragma once

#include "platform/framework/message_map.h"
#include "platform/framework/cdc.h"
#include "platform/framework/crect.h"

namespace framework {
template <class Wrapper>
class HandleMap;
}

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;  // destroys a window still attached

  // The permanent CWnd of a window made by the framework, else a temporary
  // wrapper that lives as long as the window (never deletes it).
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  operator HWND() const { return m_hWnd; }
  BOOL Attach(HWND hWnd);
  HWND Detach();

  // className NULL: the framework's default window class.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                LPVOID lpParam = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual BOOL DestroyWindow();

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The window's table, then (for the main window) the application's.
  BOOL OnCmdMsg(UINT nID, int nCode) override;
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  LRESULT Default();  // DefWindowProc with the message being handled

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  BOOL IsWindowEnabled() const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void GetClientRect(LPRECT lpRect) const;
  CWnd* GetParent() const;
  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const;
  BOOL SetForegroundWindow();
  CWnd* SetFocus();
  CWnd* SetCapture();
  static CWnd* GetCapture();

  void UpdateWindow();
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);

  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  HWND m_hWnd = nullptr;

 protected:
  // After WM_NCDESTROY, when the window is gone. Windows allocated with new
  // that delete themselves override it with `delete this`.
  virtual void PostNcDestroy();

  // The handlers' default behaviour: each passes the message on (Default()).
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnNcDestroy();
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);

  WNDPROC m_pfnSuper = nullptr;  // the procedure the window had before it was attached

  DECLARE_MESSAGE_MAP()
  friend class framework::HandleMap<CWnd>;
  friend struct CWndAttachment;
  static void ForgetHandle(CWnd& temporary) { temporary.m_hWnd = nullptr; }
};

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
