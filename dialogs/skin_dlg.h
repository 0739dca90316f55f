// The base of every dialog: a modal popup over the whole 320 x 240 screen,
// painted completely from skin bitmaps through one back buffer, with up to
// four painted push buttons along the bottom edge. Enter never closes it,
// and the background is never erased before a paint.
#pragma once

#include "platform/framework/afxwin.h"
#include "platform/framework/cstring.h"
#include "skin/back_buffer.h"

// The screen every full-screen dialog covers; defined once with the
// program's other statics, so it exists before any of them.
extern const RECT g_rcScreen;

class CSkinDlg : public CSkinPainted<CDialog> {
 public:
  CSkinDlg(UINT nIDTemplate, CWnd* pParent);

  BOOL DestroyWindow() override;

  static constexpr int kButtonCount = 4;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  static BOOL LoadBitmapResource(CBitmap& bitmap, UINT id);
  int HitTestButton(int x, int y) const;
  void DrawButtons(CDC* pDC);

  // A pen-down on a labelled bottom button: shown pressed, the pause, then
  // RunButtonAction with it still pressed, then released. False when the
  // point hits no button.
  bool PressButtonAt(CPoint point);
  virtual void RunButtonAction(int index);

  // The common paint: skin, the dialog's content (DrawContent, with the
  // font selected and a transparent text background), the bottom buttons,
  // one copy to the window.
  void PaintFrame();
  virtual void DrawContent(CDC* pDC);

 public:
  CBitmap m_bmpSkin;
  CBitmap m_bmpButtonDown;
  int m_nPressedButton = -1;
  CString m_strButton[kButtonCount];
  CRect m_rcButton[kButtonCount];

  DECLARE_MESSAGE_MAP()
};
