// The base of every dialog: a modal popup over the whole 320 x 240 screen,
// painted completely from skin bitmaps through one back buffer, with up to
// four painted push buttons along the bottom edge. Enter never closes it,
// and the background is never erased before a paint.
#pragma once

#include "controls/button_panel.h"
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
  static constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  static constexpr UINT kLeftLine = DT_VCENTER | DT_SINGLELINE;
  static constexpr UINT kCloseKey = 0xC3;                // the device's close key
  static constexpr COLORREF kKeyGreen = RGB(0, 255, 0);  // the skins' transparent colour

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override {}

  afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }

  static BOOL LoadBitmapResource(CBitmap& bitmap, UINT id) { return bitmap.LoadBitmap(id); }
  // The labelled bottom button under the point, or -1.
  int HitTestButton(CPoint point) const;
  // The pressed face and the labels of the bottom buttons.
  void DrawButtons(CDC* pDC);

  // A pen-down on a labelled bottom button: shown pressed, the pause, then
  // RunButtonAction with it still pressed, then released. False when the
  // point hits no button.
  bool PressButtonAt(CPoint point);
  virtual void RunButtonAction(int index) {}

  // A panel's button under the point, by its rectangle alone, shown or not;
  // -1 for none.
  static int PanelButtonAt(CButtonPanel& panel, CPoint point);
  // Selects only the panel's button at index (-1: none) and repaints.
  void SelectPanelButton(CButtonPanel& panel, int index);
  // The key message of the panel's button under the point (PanelButtonAt),
  // handed to PreTranslateMessage, so a tap and a key press run one path;
  // false when no button is there.
  bool SendPanelKeyAt(CButtonPanel& panel, CPoint point, UINT message);

  // The common paint: skin, the dialog's content (DrawContent, with the
  // font selected and a transparent text background), the bottom buttons,
  // one copy to the window.
  afx_msg void OnPaint();
  virtual void DrawContent(CDC* pDC) {}

 public:
  CBitmap m_bmpSkin;
  CBitmap m_bmpButtonDown;
  int m_nPressedButton = -1;
  CString m_strButton[kButtonCount];
  CRect m_rcButton[kButtonCount];

  DECLARE_MESSAGE_MAP()
};
