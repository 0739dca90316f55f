// Pen capture, keyboard focus, the active window and the foreground.
#include "platform/win/window_manager.h"

using win::Window;
using win::WindowManager;

namespace win {

void Activate(WindowManager& manager, HWND hwnd) {
  Window* window = manager.TopLevelOf(hwnd);
  if (!window || window->destroying) return;
  HWND target = window->handle;
  HWND previous = manager.active;
  manager.BringToTop(*window);
  if (previous == target) return;
  manager.active = target;
  if (manager.Find(previous))
    SendMessageW(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(target));
  SendMessageW(target, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
  Window* focused = manager.TopLevelOf(manager.focus);
  if (manager.active == target && (!focused || focused->handle != target)) SetFocus(target);
}

void ForgetDyingWindow(WindowManager& manager, HWND hwnd) {
  if (manager.capture == hwnd) manager.capture = nullptr;
  if (manager.focus == hwnd) manager.focus = nullptr;
  if (manager.active != hwnd) return;
  manager.active = nullptr;
  Window* owner = manager.Find(manager.Find(hwnd)->owner);
  if (owner && owner->enabled && owner->visible && !owner->destroying)
    Activate(manager, owner->handle);
}

}  // namespace win

HWND SetCapture(HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  HWND previous = manager.capture;
  if (manager.Find(hwnd)) manager.capture = hwnd;
  return previous;
}

BOOL ReleaseCapture() {
  WindowManager::Get().capture = nullptr;
  return TRUE;
}

HWND GetCapture() { return WindowManager::Get().capture; }

HWND SetFocus(HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  HWND previous = manager.focus;
  if (hwnd && !manager.Find(hwnd)) return nullptr;
  if (previous == hwnd) return previous;
  manager.focus = hwnd;
  if (manager.Find(previous))
    SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && manager.focus == hwnd)
    SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND GetFocus() { return WindowManager::Get().focus; }

HWND SetActiveWindow(HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  HWND previous = manager.active;
  win::Activate(manager, hwnd);
  return previous;
}

// A local window is activated and the desktop window raised; a window of
// another process is asked, through the broker, to come to the front.
BOOL SetForegroundWindow(HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  if (const std::wstring* remoteClass = manager.RemoteClass(hwnd)) {
    auto* broker = platform::Context::Get().TryGet<host::InstanceBroker>();
    if (!broker) return FALSE;
    broker->RaiseElsewhere(*remoteClass);
    return TRUE;
  }
  if (!manager.Find(hwnd)) return FALSE;
  win::Activate(manager, hwnd);
  if (host::Host* host = manager.Host()) host->RaiseWindow();
  return TRUE;
}
