// Window classes and the per-window attributes kept with a window.
#include <algorithm>
#include <cwchar>

#include "platform/core/or_failure.h"
#include "platform/win/window_manager.h"

using win::WindowManager;

ATOM RegisterClassW(const WNDCLASSW* wndClass) {
  return platform::OrFailure<ATOM>(0, [&]() -> ATOM {
    if (!wndClass || !wndClass->lpszClassName || !wndClass->lpfnWndProc) return 0;
    win::WindowClass added{wndClass->lpszClassName, wndClass->style, wndClass->lpfnWndProc,
                           wndClass->hIcon, wndClass->hInstance};
    WindowManager& manager = WindowManager::Get();
    if (!manager.AddClass(std::move(added))) return 0;
    return 0xC000;  // a nonzero atom; classes are looked up by name
  });
}

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wndClass) {
  const win::WindowClass* found = className ? WindowManager::Get().FindClass(className) : nullptr;
  if (!found || !wndClass) return FALSE;
  *wndClass = {found->style, found->proc, found->instance, found->icon, found->name.c_str()};
  return TRUE;
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
  win::Window* window = WindowManager::Get().Find(hwnd);
  if (!window) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWL_STYLE: return static_cast<LONG_PTR>(window->style);
    case GWLP_USERDATA: return window->userData;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  win::Window* window = WindowManager::Get().Find(hwnd);
  if (!window) return 0;
  LONG_PTR previous = GetWindowLongPtrW(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC:
      if (value) window->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_USERDATA: window->userData = value; break;
    default: return 0;
  }
  return previous;
}

// Copies into a buffer of `size` characters, terminated.
int GetWindowTextW(HWND hwnd, LPWSTR buffer, int size) {
  win::Window* window = WindowManager::Get().Find(hwnd);
  if (!window || !buffer || size <= 0) return 0;
  int count = std::min<int>(static_cast<int>(window->text.size()), size - 1);
  std::wmemcpy(buffer, window->text.data(), count);
  buffer[count] = L'\0';
  return count;
}
