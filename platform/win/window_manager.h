// The window manager's state: classes, the window table, z-order, the
// message queue, timers, capture, focus and activation, and the composed
// screen. One service in the platform context; the Win32-style functions in
// the *_api.cpp files work on it.
#pragma once

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
#include "platform/win/window.h"

namespace win {

class WindowManager : public platform::Service {
 public:
  WindowManager();
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

  // Creation hook (see win::SetCreationHook in winuser.h).
  void SetCreationHook(CreationHook hook, void* context);
  void RunCreationHook(HWND hwnd);

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

 private:
  std::map<HWND, std::unique_ptr<Window>> windows_;
  std::vector<WindowClass> classes_;
  std::vector<HWND> topLevels_;  // bottom to top
  std::map<HWND, std::wstring> remote_;
  std::uintptr_t nextHandle_ = 1;
  std::uint64_t nextSequence_ = 1;
  CreationHook hook_ = nullptr;
  void* hookContext_ = nullptr;
};

// Case-insensitive, as window class names are.
bool SameClassName(std::wstring_view a, std::wstring_view b);

}  // namespace win
