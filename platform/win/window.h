// What the window manager keeps for one window and one window class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/update_region.h"
#include "platform/win/winuser.h"

namespace win {

struct WindowClass {
  std::wstring name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HICON icon = nullptr;
  HINSTANCE instance = nullptr;
};

struct Window {
  HWND handle = nullptr;
  std::wstring className;
  std::wstring text;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  RECT rect = {0, 0, 0, 0};  // children: in the parent's client area; others: on the screen
  HWND parent = nullptr;     // children only
  HWND owner = nullptr;      // popups only
  int id = 0;
  LONG_PTR userData = 0;
  std::uint64_t sequence = 0;  // creation order
  bool visible = false;
  bool enabled = true;
  bool destroying = false;
  HBITMAP surface = nullptr;  // nullptr while the window has no area
  UpdateRegion update;
  bool erasePending = false;
  std::vector<HWND> children;  // bottom to top

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  int Width() const { return rect.right - rect.left; }
  int Height() const { return rect.bottom - rect.top; }
};

}  // namespace win
