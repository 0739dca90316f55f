#include "platform/win/window_manager.h"

#include <algorithm>
#include <cwctype>
#include <functional>

#include "platform/gdi/wingdi.h"

namespace win {

bool SameClassName(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
  });
}

// The process is ending: windows go without messages; only their surfaces
// are given back.
WindowManager::~WindowManager() {
  for (auto& [hwnd, window] : windows_) DeleteObject(window->surface);
}

Window* WindowManager::Find(HWND hwnd) {
  auto found = windows_.find(hwnd);
  return found == windows_.end() ? nullptr : found->second.get();
}

const WindowClass* WindowManager::FindClass(std::wstring_view name) const {
  for (const WindowClass& c : classes_)
    if (SameClassName(c.name, name)) return &c;
  return nullptr;
}

bool WindowManager::AddClass(WindowClass windowClass) {
  if (FindClass(windowClass.name)) return false;
  classes_.push_back(std::move(windowClass));
  return true;
}

// Handles count up from 1 and are never reused, so a stale handle finds
// nothing rather than a newer window.
Window& WindowManager::Add(std::unique_ptr<Window> window) {
  window->handle = reinterpret_cast<HWND>(nextHandle_++ * 4);
  Window& added = *window;
  windows_.emplace(added.handle, std::move(window));
  SiblingsOf(added).push_back(added.handle);
  return added;
}

void WindowManager::Remove(HWND hwnd) {
  Window* window = Find(hwnd);
  if (!window) return;
  std::erase(SiblingsOf(*window), hwnd);
  DeleteObject(window->surface);
  windows_.erase(hwnd);
}

std::vector<HWND>& WindowManager::SiblingsOf(const Window& window) {
  if (Window* parent = window.IsChild() ? Find(window.parent) : nullptr) return parent->children;
  return topLevels_;
}

void WindowManager::BringToTop(const Window& window) {
  std::vector<HWND>& siblings = SiblingsOf(window);
  std::erase(siblings, window.handle);
  siblings.push_back(window.handle);
  compositor.MarkChanged();
}

Window* WindowManager::TopLevelOf(HWND hwnd) {
  Window* window = Find(hwnd);
  while (window && window->IsChild()) window = Find(window->parent);
  return window;
}

bool WindowManager::IsShownOnScreen(HWND hwnd) {
  for (Window* w = Find(hwnd); w; w = w->IsChild() ? Find(w->parent) : nullptr)
    if (!w->visible) return false;
  return Find(hwnd) != nullptr;
}

bool WindowManager::AcceptsInput(HWND hwnd) {
  for (Window* w = Find(hwnd); w; w = w->IsChild() ? Find(w->parent) : nullptr)
    if (!w->enabled || w->destroying) return false;
  return Find(hwnd) != nullptr;
}

POINT WindowManager::ClientOrigin(HWND hwnd) {
  POINT origin = {0, 0};
  for (Window* w = Find(hwnd); w; w = w->IsChild() ? Find(w->parent) : nullptr) {
    origin.x += w->rect.left;
    origin.y += w->rect.top;
  }
  return origin;
}

// Handles count up, so the lowest is the oldest.
HWND WindowManager::MainWindow() {
  HWND oldest = nullptr;
  for (HWND hwnd : topLevels_) {
    Window* w = Find(hwnd);
    if (w && !w->owner && !w->destroying && (!oldest || std::less<HWND>()(hwnd, oldest)))
      oldest = hwnd;
  }
  return oldest;
}

std::vector<HWND> WindowManager::OwnedBy(HWND owner) {
  std::vector<HWND> owned;
  for (HWND hwnd : topLevels_)
    if (Find(hwnd)->owner == owner) owned.push_back(hwnd);
  return owned;
}

// Local handles are multiples of 4; remote ones are odd, so the two never meet.
HWND WindowManager::RemoteHandle(const std::wstring& className) {
  for (auto& [hwnd, name] : remote_)
    if (SameClassName(name, className)) return hwnd;
  HWND hwnd = reinterpret_cast<HWND>(remote_.size() * 4 + 1);
  remote_.emplace(hwnd, className);
  return hwnd;
}

const std::wstring* WindowManager::RemoteClass(HWND hwnd) const {
  auto found = remote_.find(hwnd);
  return found == remote_.end() ? nullptr : &found->second;
}

}  // namespace win
