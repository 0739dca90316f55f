// CDialog: creation from a template, the modal loop and the dialog keys.
#include "platform/framework/cdialog.h"

#include <algorithm>

#include "platform/framework/cwinapp.h"
#include "platform/framework/dialog_controls.h"
#include "platform/framework/window_state.h"
#include "platform/res/resources.h"

namespace {

// Dialog units are quarters of the font's average character width and
// eighths of its height; both are taken from the point size at 96 dpi, the
// average width as half the cell height.
struct DialogUnits {
  int baseX, baseY;
  explicit DialogUnits(int pointSize) {
    int cellHeight = (std::max(pointSize, 1) * 96 + 36) / 72;
    baseX = std::max(cellHeight / 2, 1);
    baseY = cellHeight;
  }
  int X(int units) const { return units * baseX / 4; }
  int Y(int units) const { return units * baseY / 8; }
};

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

// The popup and its controls, owned by the parent's top-level window (the
// application's main window when no parent was given).
BOOL CDialog::CreateFromTemplate() {
  std::optional<res::DialogTemplate> found = res::FindDialogTemplate(static_cast<WORD>(m_nIDHelp));
  if (!found) return FALSE;
  DialogUnits units(found->pointSize);
  CWnd* parent = m_pParentWnd ? m_pParentWnd : (AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr);
  DWORD style = (found->style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP;
  if (!CreateEx(0, framework::DefaultWindowClass(), found->caption.c_str(), style,
                units.X(found->x), units.Y(found->y), units.X(found->cx), units.Y(found->cy),
                parent ? parent->m_hWnd : nullptr, nullptr))
    return FALSE;
  framework::RegisterDialogControls();
  for (const res::DialogItem& item : found->items) {
    DWORD itemStyle = (item.style & ~WS_POPUP) | WS_CHILD;
    ::CreateWindowExW(
        0, item.className.c_str(), item.text.c_str(), itemStyle, units.X(item.x), units.Y(item.y),
        units.X(item.cx), units.Y(item.cy), m_hWnd,
        reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(static_cast<WORD>(item.id))), nullptr,
        nullptr);
  }
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  m_bEndFlag = false;
  m_nModalResult = IDCANCEL;
  if (!CreateFromTemplate()) return -1;
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  bool reenableOwner = owner && ::IsWindowEnabled(owner);
  if (reenableOwner) ::EnableWindow(owner, FALSE);
  if (SendMessage(WM_INITDIALOG, 0, 0) && !m_bEndFlag) ::SetFocus(m_hWnd);
  if (!m_bEndFlag) {
    ShowWindow(SW_SHOW);
    RunModalLoop();
  }
  // The owner takes back input and activation before the dialog goes, so
  // nothing in between sees no active window.
  if (reenableOwner) ::EnableWindow(owner, TRUE);
  if (owner && ::IsWindow(owner)) ::SetActiveWindow(owner);
  DestroyWindow();
  return m_nModalResult;
}

// Leaves on EndDialog, checked after each message, or on WM_QUIT, which is
// posted again so the loops outside end too.
void CDialog::RunModalLoop() {
  MSG msg;
  while (!m_bEndFlag) {
    if (!::GetMessageW(&msg, nullptr, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!AfxPreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bEndFlag = true;
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::IsDialogKey(const MSG& msg) const {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_ESCAPE && msg.wParam != VK_RETURN))
    return FALSE;
  return !msg.hwnd || msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (!pMsg || !IsDialogKey(*pMsg)) return FALSE;
  SendMessage(WM_COMMAND, pMsg->wParam == VK_ESCAPE ? IDCANCEL : IDOK, 0);
  return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  if (HIWORD(wParam) != 0) return FALSE;
  if (LOWORD(wParam) == IDOK)
    OnOK();
  else if (LOWORD(wParam) == IDCANCEL)
    OnCancel();
  else
    return FALSE;
  return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  if (message == WM_CLOSE && !FindMessageEntry(WM_CLOSE, 0, 0)) {
    OnCancel();
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
