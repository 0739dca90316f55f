// CDialog: creation from a template, the modal loop and the dialog keys;
// and the few standard controls a template may hold (an About box's icon,
// text and button), as minimal child windows of their own classes.
#include "platform/framework/cdialog.h"

#include <algorithm>
#include <string>

#include "platform/framework/cwinapp.h"
#include "platform/framework/window_state.h"
#include "platform/gdi/wingdi.h"
#include "platform/res/resources.h"
#include "platform/res/winresource.h"

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

constexpr COLORREF kFace = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

std::wstring TextOf(HWND hwnd) {
  wchar_t buffer[256];
  int length = GetWindowTextW(hwnd, buffer, 256);
  return std::wstring(buffer, length);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOut(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// Clears the client area and draws the text in it with `format`.
void PaintText(HWND hwnd, UINT format, bool framed) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  FillSolid(dc, client, kFace);
  if (framed) {
    for (RECT edge :
         {RECT{0, 0, client.right, 1}, RECT{0, client.bottom - 1, client.right, client.bottom},
          RECT{0, 0, 1, client.bottom}, RECT{client.right - 1, 0, client.right, client.bottom}})
      FillSolid(dc, edge, kInk);
  }
  SetTextColor(dc, kInk);
  SetBkMode(dc, TRANSPARENT);
  std::wstring text = TextOf(hwnd);
  DrawText(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
  EndPaint(hwnd, &paint);
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  PaintText(hwnd, DT_LEFT | DT_SINGLELINE, false);
  return 0;
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: PaintText(hwnd, DT_CENTER | DT_VCENTER | DT_SINGLELINE, true); return 0;
    case WM_LBUTTONDOWN: SetCapture(hwnd); return 0;
    case WM_LBUTTONUP: {
      bool pressed = GetCapture() == hwnd;
      ReleaseCapture();
      RECT client;
      GetClientRect(hwnd, &client);
      POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      bool inside = p.x >= 0 && p.y >= 0 && p.x < client.right && p.y < client.bottom;
      if (pressed && inside)
        SendMessageW(GetParent(hwnd), WM_COMMAND,
                     MAKELONG(static_cast<WORD>(GetDlgCtrlID(hwnd)), 0),
                     reinterpret_cast<LPARAM>(hwnd));
      return 0;
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT IconProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  std::wstring text = TextOf(hwnd);
  WORD id = static_cast<WORD>(std::wcstoul(text.c_str(), nullptr, 10));
  if (HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(id))) DrawIcon(dc, 0, 0, icon);
  EndPaint(hwnd, &paint);
  return 0;
}

void Register(LPCWSTR name, WNDPROC proc) {
  WNDCLASSW wc;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  RegisterClassW(&wc);
}

// Registers "STATIC", "BUTTON" and "ICON" once. A STATIC shows its text, an
// ICON the icon resource its text names by number, and a BUTTON its text in
// a frame, sending WM_COMMAND with its id to its parent when tapped.
void RegisterDialogControls() {
  WNDCLASSW existing;
  if (GetClassInfoW(nullptr, L"STATIC", &existing)) return;
  Register(L"STATIC", StaticProc);
  Register(L"BUTTON", ButtonProc);
  Register(L"ICON", IconProc);
}

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
  RegisterDialogControls();
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
