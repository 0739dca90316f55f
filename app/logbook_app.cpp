#include "app/logbook_app.h"

#include "app/main_wnd.h"
#include "app/rejected_file_notice.h"
#include "ledger/expense_ledger.h"
#include "platform/res/winresource.h"
#include "resources/resource_ids.h"

namespace {

constexpr const wchar_t* kClassName = L"Roadtally";

void RegisterMainWindowClass() {
  WNDCLASS wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hIcon = LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDI_PROGRAM));
  wc.lpszClassName = kClassName;
  RegisterClass(&wc);
}

}  // namespace

BEGIN_MESSAGE_MAP(CLogbookApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAbout)
END_MESSAGE_MAP()

BOOL CLogbookApp::InitInstance() {
  // One program per data file: a second start brings the first to the front.
  if (HWND running = ::FindWindow(kClassName, nullptr)) {
    ::SetForegroundWindow(running);
    return FALSE;
  }
  AfxEnableControlContainer(nullptr);
  SetRegistryKey(L"Local AppWizard-Generated Applications");
  CMainWnd* pMainWnd = new CMainWnd;
  m_pMainWnd = pMainWnd;
  RegisterMainWindowClass();
  pMainWnd->m_rcClient.SetRect(0, 0, 320, 240);
  // A window that fails during creation has already deleted itself.
  if (!pMainWnd->CreateEx(0, kClassName, kClassName, WS_POPUP | WS_SYSMENU, 0, 0, 320, 240, nullptr,
                          nullptr)) {
    m_pMainWnd = nullptr;
    return FALSE;
  }
  pMainWnd->ShowWindow(SW_SHOWNORMAL);
  pMainWnd->UpdateWindow();
  ShowRejectedFileNotice(pMainWnd, *GetLedger());
  return TRUE;
}

void CLogbookApp::OnAbout() {
  CAboutBox about;
  about.DoModal();
}
