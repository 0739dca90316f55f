#include "platform/framework/cwinapp.h"

#include "platform/framework/cwnd.h"
#include "platform/framework/window_state.h"

using framework::WindowState;

CWinApp::CWinApp() { WindowState::Get().app = this; }

CWinApp* AfxGetApp() { return WindowState::Get().app; }

HINSTANCE AfxGetInstanceHandle() {
  CWinApp* app = AfxGetApp();
  return app ? app->m_hInstance : nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

// Ends on WM_QUIT. A main window still there (a close request that had to
// unwind a modal dialog first) is destroyed now.
int CWinApp::Run() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0)) {
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  m_nExitCode = static_cast<int>(msg.wParam);
  if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->DestroyWindow();
  return ExitInstance();
}

int CWinApp::ExitInstance() { return m_nExitCode; }

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) { return AfxPreTranslateMessage(pMsg); }

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : L"";
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

// From the target up through its parents; a popup (dialog, main window)
// is where the walk stops.
BOOL AfxPreTranslateMessage(MSG* pMsg) {
  for (HWND hwnd = pMsg->hwnd; hwnd;) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(pMsg)) return TRUE;
    bool isChild = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    hwnd = isChild ? ::GetParent(hwnd) : nullptr;
  }
  return FALSE;
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (!app || !app->InitInstance()) return 0;
  return app->Run();
}
