// Creating, destroying and finding windows.
#include <algorithm>
#include <utility>

#include "platform/core/or_failure.h"
#include "platform/win/window_manager.h"

using win::Window;
using win::WindowManager;

namespace {

host::InstanceBroker* Broker() { return platform::Context::Get().TryGet<host::InstanceBroker>(); }

// The window record before any message: geometry, relations, class data.
std::unique_ptr<Window> Describe(const win::WindowClass& windowClass, const CREATESTRUCTW& cs,
                                 WindowManager& manager) {
  auto window = std::make_unique<Window>();
  window->className = windowClass.name;
  window->text = cs.lpszName ? cs.lpszName : L"";
  window->proc = windowClass.proc;
  window->style = static_cast<DWORD>(cs.style) & ~WS_VISIBLE;
  window->enabled = (cs.style & WS_DISABLED) == 0;
  window->rect = {cs.x, cs.y, cs.x + std::max(cs.cx, 0), cs.y + std::max(cs.cy, 0)};
  if (window->IsChild()) {
    window->parent = cs.hwndParent;
    window->id = static_cast<int>(reinterpret_cast<std::uintptr_t>(cs.hMenu));
  } else if (Window* owner = manager.TopLevelOf(cs.hwndParent)) {
    window->owner = owner->handle;
  }
  return window;
}

}  // namespace

void win::SetCreationHook(CreationHook hook, void* context) {
  WindowManager& manager = WindowManager::Get();
  manager.creationHook = hook;
  manager.creationContext = context;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     LPVOID param) {
  return platform::OrFailure<HWND>(nullptr, [&]() -> HWND {
    WindowManager& manager = WindowManager::Get();
    const win::WindowClass* windowClass = className ? manager.FindClass(className) : nullptr;
    if (!windowClass) return nullptr;
    if ((style & WS_CHILD) && !manager.Find(parent)) return nullptr;
    CREATESTRUCTW cs{
        param,      instance,  menuOrId, parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};

    Window& window = manager.Add(Describe(*windowClass, cs, manager));
    HWND hwnd = window.handle;
    win::FitSurface(window);
    void* hookContext = std::exchange(manager.creationContext, nullptr);
    if (auto hook = std::exchange(manager.creationHook, nullptr)) hook(hwnd, hookContext);
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
      DestroyWindow(hwnd);
      return nullptr;
    }
    Window* created = manager.Find(hwnd);
    if (!created) return nullptr;  // a handler destroyed it
    if (!created->IsChild() && !created->owner)
      if (host::InstanceBroker* broker = Broker()) broker->Announce(created->className);
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return hwnd;
  });
}

// Owned popups go first, then the window gets WM_DESTROY, its children are
// destroyed, and it gets WM_NCDESTROY last. A window already being destroyed
// is left to the call that started it, so handlers may destroy freely.
BOOL DestroyWindow(HWND hwnd) {
  return platform::OrFailure<BOOL>(FALSE, [&]() -> BOOL {
    WindowManager& manager = WindowManager::Get();
    Window* window = manager.Find(hwnd);
    if (!window || window->destroying) return FALSE;
    window->destroying = true;
    if (window->visible) manager.compositor.MarkChanged();
    window->visible = false;

    for (HWND owned : manager.OwnedBy(hwnd)) DestroyWindow(owned);
    win::ForgetDyingWindow(manager, hwnd);
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    if (Window* still = manager.Find(hwnd)) {
      std::vector<HWND> children = still->children;
      for (HWND child : children) DestroyWindow(child);
    }
    manager.timers.KillAllOf(hwnd);
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    win::ForgetDyingWindow(manager, hwnd);
    manager.Remove(hwnd);
    return TRUE;
  });
}

BOOL IsWindow(HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  return manager.Find(hwnd) != nullptr || manager.RemoteClass(hwnd) != nullptr;
}

// By class alone (no caller names a window): this process's top-level
// windows first; then, through the broker, a process on the same data file.
HWND FindWindowW(LPCWSTR className, LPCWSTR) {
  WindowManager& manager = WindowManager::Get();
  for (HWND hwnd : manager.TopLevels()) {
    Window* w = manager.Find(hwnd);
    if (w->destroying) continue;
    if (className && !win::SameClassName(w->className, className)) continue;
    return hwnd;
  }
  host::InstanceBroker* broker = Broker();
  if (className && broker && broker->IsRunningElsewhere(className))
    return manager.RemoteHandle(className);
  return nullptr;
}
