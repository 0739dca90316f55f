// Test windows whose procedure logs every message and lets a test react to
// one. The probe travels in the creation parameter, so even WM_NCCREATE is
// logged.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/win/winuser.h"

namespace win_test {

struct Logged {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct Probe {
  std::vector<Logged> log;
  // Return a value to handle the message; nothing leaves it to DefWindowProc.
  std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> react;

  std::vector<UINT> Messages(UINT only1, UINT only2 = 0, UINT only3 = 0) const {
    std::vector<UINT> picked;
    for (const Logged& l : log)
      if (l.message == only1 || (only2 && l.message == only2) || (only3 && l.message == only3))
        picked.push_back(l.message);
    return picked;
  }
  int Count(UINT message) const {
    int n = 0;
    for (const Logged& l : log) n += l.message == message;
    return n;
  }
};

inline LRESULT ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* probe = reinterpret_cast<Probe*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (probe) {
    probe->log.push_back({hwnd, message, wParam, lParam});
    if (probe->react)
      if (std::optional<LRESULT> handled = probe->react(hwnd, message, wParam, lParam))
        return *handled;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline void RegisterProbeClass() {
  WNDCLASSW wc;
  wc.lpfnWndProc = ProbeProc;
  wc.lpszClassName = L"Probe";
  RegisterClassW(&wc);
}

inline HWND MakePopup(Probe& probe, RECT r, HWND owner = nullptr,
                      DWORD style = WS_POPUP | WS_VISIBLE) {
  return CreateWindowExW(0, L"Probe", L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         owner, nullptr, nullptr, &probe);
}

inline HWND MakeChild(Probe& probe, HWND parent, RECT r, int id = 100) {
  return CreateWindowExW(0, L"Probe", L"", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, parent,
                         reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)), nullptr, &probe);
}

}  // namespace win_test
