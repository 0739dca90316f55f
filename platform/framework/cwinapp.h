// The application object. Exactly one exists, a static of the program; its
// constructor makes it the one AfxGetApp returns. AfxWinMain runs its
// InitInstance, then Run, the message loop, which ends on WM_QUIT (posted by
// the framework when m_pMainWnd's window is destroyed).
#pragma once

#include <string>

#include "platform/framework/message_map.h"

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  // Touches no platform service: statics may outlive the platform context.
  ~CWinApp() override = default;

  virtual BOOL InitInstance();
  virtual int Run();           // returns ExitInstance's result
  virtual int ExitInstance();  // the WM_QUIT exit code
  // Each message before dispatch: AfxPreTranslateMessage.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  // Records the key only; nothing is ever written.
  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  const std::wstring& GetRegistryKey() const { return m_strRegistryKey; }

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;

  DECLARE_MESSAGE_MAP()
  std::wstring m_strRegistryKey;
  int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// The program's start, called by main() once the host is installed: runs the
// application's InitInstance and, if it returns TRUE, its message loop.
// Returns the WM_QUIT exit code; 0 when InitInstance returns FALSE or no
// application object exists.
//
// The host's close request (InputEvent::Close) becomes WM_CLOSE posted to
// the main window when it is enabled; while a modal dialog has disabled it,
// WM_QUIT instead, which unwinds the dialog loops, and the main window is
// destroyed once Run's loop has ended. InputEvent::Quit posts WM_QUIT with
// its exit code.
int AfxWinMain();

// Runs one message through the PreTranslateMessage walk; TRUE if a window
// took it (it must then not be dispatched).
BOOL AfxPreTranslateMessage(MSG* pMsg);
