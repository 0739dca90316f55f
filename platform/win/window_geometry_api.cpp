// Showing, moving, enabling windows, and their relations.
#include "platform/win/window_manager.h"

using win::Window;
using win::WindowManager;

BOOL ShowWindow(HWND hwnd, int command) {
  WindowManager& manager = WindowManager::Get();
  Window* window = manager.Find(hwnd);
  if (!window) return FALSE;
  BOOL wasVisible = window->visible;
  bool show = command != SW_HIDE;
  if (show == static_cast<bool>(wasVisible) || (show && window->destroying)) return wasVisible;
  window->visible = show;
  manager.compositor.MarkChanged();
  SendMessageW(hwnd, WM_SHOWWINDOW, show, 0);
  window = manager.Find(hwnd);
  if (!window) return wasVisible;
  if (show) win::Invalidate(*window, nullptr, true);
  if (show && !window->IsChild() && window->enabled) win::Activate(manager, hwnd);
  if (!show && manager.capture == hwnd) manager.capture = nullptr;
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) { return WindowManager::Get().IsShownOnScreen(hwnd); }

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  WindowManager& manager = WindowManager::Get();
  Window* window = manager.Find(hwnd);
  if (!window) return FALSE;
  window->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
  win::FitSurface(*window);
  if (window->visible) manager.compositor.MarkChanged();
  if (repaint) win::Invalidate(*window, nullptr, true);
  SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(static_cast<WORD>(window->Width()), static_cast<WORD>(window->Height())));
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  Window* window = WindowManager::Get().Find(hwnd);
  if (!window || !rect) return FALSE;
  *rect = {0, 0, window->Width(), window->Height()};
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  WindowManager& manager = WindowManager::Get();
  Window* window = manager.Find(hwnd);
  if (!window || !rect) return FALSE;
  POINT origin = manager.ClientOrigin(hwnd);
  *rect = {origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
  return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  WindowManager& manager = WindowManager::Get();
  Window* window = manager.Find(hwnd);
  if (!window) return FALSE;
  BOOL wasDisabled = !window->enabled;
  if (window->enabled == static_cast<bool>(enable)) return wasDisabled;
  window->enabled = enable;
  if (!enable && manager.capture == hwnd) manager.capture = nullptr;
  if (!enable && manager.focus == hwnd) manager.focus = nullptr;
  SendMessageW(hwnd, WM_ENABLE, enable, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* window = WindowManager::Get().Find(hwnd);
  return window && window->enabled;
}

HWND GetParent(HWND hwnd) {
  Window* window = WindowManager::Get().Find(hwnd);
  if (!window) return nullptr;
  return window->IsChild() ? window->parent : window->owner;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  Window* window = WindowManager::Get().Find(hwnd);
  return window && relation == GW_OWNER ? window->owner : nullptr;
}

HWND GetDlgItem(HWND dialog, int id) {
  WindowManager& manager = WindowManager::Get();
  Window* window = manager.Find(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children)
    if (manager.Find(child)->id == id) return child;
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* window = WindowManager::Get().Find(hwnd);
  return window && window->IsChild() ? window->id : 0;
}

BOOL IsChild(HWND parent, HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  for (Window* w = manager.Find(hwnd); w && w->IsChild(); w = manager.Find(w->parent))
    if (w->parent == parent) return TRUE;
  return FALSE;
}
