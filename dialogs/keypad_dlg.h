// The full-screen keypad on which one non-negative decimal number is typed,
// with the pen or the device keys. The on-screen command keys carry the ids
// of the function keys F1 to F4, so a tap and a key press run one path; a
// key's release acts only when it belongs to the last key pressed.
#pragma once

#include "controls/panel_navigation.h"
#include "dialogs/skin_dlg.h"
#include "skin/skin_bitmap.h"

class CKeypadDlg : public CSkinDlg {
 public:
  explicit CKeypadDlg(CWnd* pParent);

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnInitDialog() override;
  // Ends with IDCANCEL, the caller's text given back as it came.
  void OnCancel() override;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  void DrawContent(CDC* pDC) override;
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnKeypadCommand(UINT nID);

 private:
  BOOL OnKeyPressed(UINT vk);
  BOOL OnKeyReleased(MSG* pMsg);
  void SetValue(const std::wstring& value);
  void EndKeepingCallersText(int result);

 public:
  int m_bPenDown = 0;
  CButtonPanel m_panelDigits;
  CButtonPanel m_panelCommands;
  CString m_strValue;
  CString m_strPrompt;
  CString m_strCaption;
  CBitmap m_bmpKeys;
  CSkinBitmap m_skinCmdUp;
  CSkinBitmap m_skinCmdDown;
  CSkinBitmap m_skinDigitFocus;
  CSkinBitmap m_skinDigitOff;
  // Still the caller's text: nothing typed, deleted or cleared yet.
  bool m_bUntouched = true;
  // What the caller handed in, given back when the keypad is cancelled.
  CString m_strCallersValue;

  static UINT s_nLastKeyDown;

  DECLARE_MESSAGE_MAP()
};
