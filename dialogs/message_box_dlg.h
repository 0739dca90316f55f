// The program's own message box: a small skinned popup centred on the
// screen with an icon, a few lines of text and one or two buttons, ending
// with IDOK (or IDYES), or IDCANCEL. The buttons carry the ids of the keys
// F1 and F2, so a tap and a key press run one path.
#pragma once

#include <string>
#include <vector>

#include "dialogs/skin_dlg.h"
#include "skin/skin_bitmap.h"

// Shows the message box modally; the style takes the system message box's
// flags (MB_OKCANCEL, MB_YESNO, MB_ICONQUESTION ...).
int SkinMessageBox(CWnd* pParent, LPCTSTR text, LPCTSTR caption, UINT style);

// What the driver is told when the data file could not be written.
constexpr wchar_t kNotSavedText[] = L"저장하지 못했습니다.";
constexpr wchar_t kNotSavedCaption[] = L"저장오류";

class CMessageBoxDlg : public CSkinDlg {
 public:
  CMessageBoxDlg(CWnd* pParent, LPCTSTR text, LPCTSTR caption, UINT style);

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnInitDialog() override;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnPaint();

 private:
  BOOL OnKeyPressed(MSG* pMsg);
  BOOL OnKeyReleased(MSG* pMsg);

 public:
  UINT m_nStyle = 0;
  CButtonPanel m_panelButtons;
  CSkinBitmap m_skinIcons;
  std::vector<std::string> m_lines;  // code page 949
  CBitmap m_bmpButtonUp;
  CBitmap m_bmpButtonSel;

  static UINT s_nLastKeyDown;

  DECLARE_MESSAGE_MAP()
};
