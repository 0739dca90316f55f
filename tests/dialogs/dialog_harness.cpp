// Opens one of the program's dialogs over a plain main window, so tests can
// drive it headless before (and apart from) the screens that open it. What
// to open comes from the environment:
//   HARNESS_DIALOG=keypad   HARNESS_VALUE=0.00 (the caller's text)
//   HARNESS_DIALOG=message  HARNESS_STYLE=1    HARNESS_TEXT=...
//   HARNESS_DIALOG=entry    HARNESS_INDEX=N    (edits record N of the data file)
// When the dialog ends, its result (and the keypad's text) is printed as
// "result=N value=TEXT" and the program ends.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialogs/expense_entry_dlg.h"
#include "dialogs/keypad_dlg.h"
#include "dialogs/message_box_dlg.h"
#include "platform/win/files.h"
#include "ledger/expense_ledger.h"
#include "platform/core/utf8.h"
#include "platform/framework/afxwin.h"

const RECT g_rcScreen = {0, 0, 320, 240};

namespace {

constexpr wchar_t kHarnessClass[] = L"RoadtallyDialogHarness";
constexpr UINT kOpenMessage = WM_USER + 1;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::wstring Wide(const std::string& utf8) { return platform::WideFromUtf8(utf8).value_or(L""); }

std::string Utf8(const CString& text) {
  return platform::Utf8FromWide(static_cast<LPCTSTR>(text)).value_or("");
}

// The month list's way of opening a record for a change.
int EditRecord(CWnd* parent, int index) {
  CExpenseLedger& ledger = *GetLedger();
  ledger.Load(ProgramDataFile().c_str());
  if (index < 0 || index >= ledger.m_nCount) return -1;
  const ExpenseRecord& record = ledger.m_pRecords[index];
  CExpenseEntryDlg dialog(parent);
  dialog.m_nYear = record.year;
  dialog.m_nMonth = record.month;
  dialog.ShowRecord(index, record);
  return static_cast<int>(dialog.DoModal());
}

class CHarnessWnd : public CWnd {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) {
    PostMessage(kOpenMessage);
    return 0;
  }
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    dc.FillSolidRect(0, 0, 320, 240, RGB(40, 40, 40));
  }
  afx_msg LRESULT OnOpen(WPARAM, LPARAM) {
    std::string value;
    int result = 0;
    if (Env("HARNESS_DIALOG") == "keypad") {
      CKeypadDlg keypad(this);
      keypad.m_strValue = Wide(Env("HARNESS_VALUE")).c_str();
      keypad.m_strCaption = L"지출비용 입력";
      keypad.m_strPrompt = L"지출비용을 입력하십시오.";
      result = static_cast<int>(keypad.DoModal());
      value = Utf8(keypad.m_strValue);
    } else if (Env("HARNESS_DIALOG") == "entry") {
      result = EditRecord(this, std::atoi(Env("HARNESS_INDEX").c_str()));
    } else {
      const UINT style = static_cast<UINT>(std::strtoul(Env("HARNESS_STYLE").c_str(), nullptr, 0));
      result = SkinMessageBox(this, Wide(Env("HARNESS_TEXT")).c_str(), L"입력오류", style);
    }
    std::printf("result=%d value=%s\n", result, value.c_str());
    std::fflush(stdout);
    PostMessage(WM_CLOSE);
    return 0;
  }
  void PostNcDestroy() override { delete this; }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHarnessWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_MESSAGE(kOpenMessage, OnOpen)
END_MESSAGE_MAP()

class CHarnessApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = kHarnessClass;
    RegisterClass(&windowClass);
    auto* window = new CHarnessWnd;
    if (!window->CreateEx(0, kHarnessClass, L"Harness", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240,
                          nullptr, nullptr)) {
      delete window;
      return FALSE;
    }
    m_pMainWnd = window;
    return TRUE;
  }
};

CHarnessApp theApp;

}  // namespace
