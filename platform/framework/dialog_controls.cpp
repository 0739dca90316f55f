#include "platform/framework/dialog_controls.h"

#include <string>

#include "platform/gdi/wingdi.h"
#include "platform/res/winresource.h"

namespace framework {

namespace {

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

}  // namespace

void RegisterDialogControls() {
  WNDCLASSW existing;
  if (GetClassInfoW(nullptr, L"STATIC", &existing)) return;
  Register(L"STATIC", StaticProc);
  Register(L"BUTTON", ButtonProc);
  Register(L"ICON", IconProc);
}

}  // namespace framework
