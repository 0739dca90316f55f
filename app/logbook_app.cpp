#include "app/logbook_app.h"

#include <string>

#include "app/main_wnd.h"
#include "dialogs/message_box_dlg.h"
#include "ledger/expense_ledger.h"
#include "platform/core/utf8.h"
#include "platform/res/winresource.h"
#include "resources/resource_ids.h"

namespace {

constexpr const wchar_t* kClassName = L"Roadtally";

// "The logbook that could not be read, kept as:", short enough for the
// box's first line, so that the name starts a line of its own.
constexpr wchar_t kKeptAs[] = L"읽지 못한 기록 사본:\n";
constexpr wchar_t kKeptAsCaption[] = L"기록 파일";

void RegisterMainWindowClass() {
  WNDCLASS wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hIcon = LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDI_PROGRAM));
  wc.lpszClassName = kClassName;
  RegisterClass(&wc);
}

// When the data file was not taken whole at start, the driver is told the
// name it will be kept under before the first save over it, with the
// warning icon and "확  인" (a box of one button would show only "취  소").
void ShowRejectedFileNotice(CWnd* parent, const CExpenseLedger& ledger) {
  const std::string kept = ledger.KeptAsidePath();
  if (kept.empty()) return;
  const std::wstring name =
      platform::WideFromUtf8(kept.substr(kept.find_last_of('/') + 1)).value_or(L"?");
  const CString notice = CString(kKeptAs) + name.c_str();
  SkinMessageBox(parent, notice, kKeptAsCaption, MB_OKCANCEL | MB_ICONEXCLAMATION);
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
