// The application object: one copy per data file, the calendar as its
// main window.
#pragma once

#include "platform/framework/afxwin.h"

class CLogbookApp : public CWinApp {
 public:
  BOOL InitInstance() override;

 protected:
  afx_msg void OnAbout();

  DECLARE_MESSAGE_MAP()
};

// The About box, built from its dialog template; it adds nothing.
class CAboutBox : public CDialog {
 public:
  CAboutBox() : CDialog(100, nullptr) {}
};
