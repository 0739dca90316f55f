// The window manager's state: classes, the window table, z-order, the
// message queue, timers, capture, focus and activation, and the composed
// screen. One service in the platform context; the Win32-style functions in
// the *_api.cpp files work on it, some through the operations at the end.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/context.h"
#include "platform/win/compositor.h"
#include "platform/win/host_port.h"
#include "platform/win/timer_list.h"
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

class WindowManager : public platform::Service {
 public:
  ~WindowManager() override;

  static WindowManager& Get() { return platform::Context::Get().Use<WindowManager>(); }

  // Lookup. Find returns nullptr for a handle that is not a live local window.
  Window* Find(HWND hwnd);
  const WindowClass* FindClass(std::wstring_view name) const;
  bool AddClass(WindowClass windowClass);
  Window& Add(std::unique_ptr<Window> window);
  void Remove(HWND hwnd);

  // Tree and z-order.
  std::vector<HWND>& SiblingsOf(const Window& window);
  const std::vector<HWND>& TopLevels() const { return topLevels_; }
  void BringToTop(const Window& window);
  Window* TopLevelOf(HWND hwnd);
  bool IsShownOnScreen(HWND hwnd);  // visible and every ancestor visible
  bool AcceptsInput(HWND hwnd);     // enabled and every ancestor enabled
  POINT ClientOrigin(HWND hwnd);    // on the screen
  HWND MainWindow();                // the oldest unowned top-level window
  std::vector<HWND> OwnedBy(HWND owner);

  // Remote windows: stand-ins for a window of another process, by class.
  HWND RemoteHandle(const std::wstring& className);
  const std::wstring* RemoteClass(HWND hwnd) const;

  // The host, if one is installed.
  host::Host* Host() { return platform::Context::Get().TryGet<host::Host>(); }

  // Message queue state.
  std::deque<MSG> posted;
  std::deque<MSG> input;  // converted input events not yet taken
  std::optional<int> quitCode;
  bool penDown = false;

  TimerList timers;
  Compositor compositor;

  std::map<HDC, HWND> windowDcs;  // GetDC's, until ReleaseDC

  HWND capture = nullptr;
  HWND focus = nullptr;
  HWND active = nullptr;

  // Set by win::SetCreationHook for the next window created.
  CreationHook creationHook = nullptr;
  void* creationContext = nullptr;

 private:
  std::map<HWND, std::unique_ptr<Window>> windows_;
  std::vector<WindowClass> classes_;
  std::vector<HWND> topLevels_;  // bottom to top
  std::map<HWND, std::wstring> remote_;
  std::uintptr_t nextHandle_ = 1;
};

// Case-insensitive, as window class names are.
bool SameClassName(std::wstring_view a, std::wstring_view b);

// Operations the API files share.
// Gives the window a surface of its current size (none when it has no area),
// keeping what the old surface showed where the two overlap.
void FitSurface(Window& window);

// Adds the rectangle (null: the whole client area), clipped to the client
// area, to the window's update region.
void Invalidate(Window& window, const RECT* rect, bool erase);

// Makes a top-level window active (WM_ACTIVATE to the old and the new one)
// and moves the focus into it.
void Activate(WindowManager& manager, HWND hwnd);

// A dying window loses capture, focus and activation; the activation passes
// to its owner.
void ForgetDyingWindow(WindowManager& manager, HWND hwnd);

// The message an input event becomes, routed at this moment; nothing for a
// close or quit request (handled here) or input no window takes.
std::optional<MSG> ConvertInput(WindowManager& manager, const host::InputEvent& event);

}  // namespace win
