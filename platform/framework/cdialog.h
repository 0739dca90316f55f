// Dialogs built from a dialog template, run modally: DoModal disables the
// owner, runs a nested message loop until EndDialog, re-enables the owner
// and returns the value given to EndDialog.
#pragma once

#include "platform/framework/cwnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // EndDialog's result; -1 if the window cannot be created.
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();  // TRUE: the framework focuses the dialog
  // Escape and Enter key-downs for the dialog or one of its children become
  // WM_COMMAND IDCANCEL / IDOK, then go no further.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  UINT m_nIDHelp = 0;  // the template id
  CWnd* m_pParentWnd = nullptr;

 protected:
  virtual void OnOK();      // EndDialog(IDOK)
  virtual void OnCancel();  // EndDialog(IDCANCEL)
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()
  BOOL CreateFromTemplate();
  void RunModalLoop();
  BOOL IsDialogKey(const MSG& msg) const;

  int m_nModalResult = 0;
  bool m_bEndFlag = false;
};
