#include "platform/framework/window_state.h"

#include "platform/framework/cwnd.h"

namespace framework {

WindowState::WindowState()
    : wrappers([](void* handle) { return IsWindow(static_cast<HWND>(handle)) != FALSE; }) {}

// The message is on the stack while its handler runs, so Default() can pass
// it on; a handler may destroy the window and delete its CWnd, so nothing
// of the CWnd is touched afterwards.
LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowState& state = WindowState::Get();
  CWnd* wnd = state.wrappers.FindPermanent(hwnd);
  if (!wnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  state.current.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  WindowState::Get().current.pop_back();
  return result;
}

LPCWSTR DefaultWindowClass() {
  static constexpr wchar_t kName[] = L"AfxWnd";
  WindowState& state = WindowState::Get();
  if (!state.defaultClassRegistered) {
    WNDCLASSW wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = AfxWndProc;
    wc.lpszClassName = kName;
    RegisterClassW(&wc);
    state.defaultClassRegistered = true;
  }
  return kName;
}

}  // namespace framework
