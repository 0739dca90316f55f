// Window surfaces, invalidation and painting, and DCs onto a window's surface.
#include <algorithm>
#include <cstring>

#include "platform/core/or_failure.h"
#include "platform/gdi/rect_list.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/window_manager.h"

using win::Window;
using win::WindowManager;

namespace win {

void FitSurface(Window& window) {
  int width = std::max(window.Width(), 0);
  int height = std::max(window.Height(), 0);
  gdi::Surface32 old = gdi::BitmapSurface(window.surface);
  if (old.width == width && old.height == height && (window.surface || width * height == 0)) return;
  HBITMAP fresh = width > 0 && height > 0 ? gdi::CreateDeviceBitmap(width, height) : nullptr;
  gdi::Surface32 now = gdi::BitmapSurface(fresh);
  int rows = std::min(old.height, now.height);
  int columns = std::min(old.width, now.width);
  for (int y = 0; y < rows && columns > 0; ++y)
    std::memcpy(now.Row(y), old.Row(y), sizeof(gdi::Pixel) * columns);
  DeleteObject(window.surface);
  window.surface = fresh;
}

void Invalidate(Window& window, const RECT* rect, bool erase) {
  const RECT client = {0, 0, window.Width(), window.Height()};
  window.update.Add(rect ? gdi::IntersectRects(*rect, client) : client);
  if (!window.update.IsEmpty()) window.erasePending = window.erasePending || erase;
}

}  // namespace win

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  return platform::OrFailure<BOOL>(FALSE, [&]() -> BOOL {
    Window* window = WindowManager::Get().Find(hwnd);
    if (!window) return FALSE;
    win::Invalidate(*window, rect, erase);
    return TRUE;
  });
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Window* window = WindowManager::Get().Find(hwnd);
  if (!window) return FALSE;
  if (rect) {
    window->update.Subtract(*rect);
  } else {
    window->update.Clear();
  }
  if (window->update.IsEmpty()) window->erasePending = false;
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  WindowManager& manager = WindowManager::Get();
  Window* window = manager.Find(hwnd);
  if (!window) return FALSE;
  if (!window->update.IsEmpty() && manager.IsShownOnScreen(hwnd))
    SendMessageW(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

// Takes the update region: drawing through the DC reaches only its
// rectangles, and the window counts as painted from here on.
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  return platform::OrFailure<HDC>(nullptr, [&]() -> HDC {
    Window* window = WindowManager::Get().Find(hwnd);
    if (!window || !paint) return nullptr;
    *paint = PAINTSTRUCT{};
    std::vector<RECT> rects = window->update.Rects();
    bool erase = window->erasePending;
    paint->rcPaint = window->update.Bounds();
    window->update.Clear();
    window->erasePending = false;
    paint->hdc = gdi::CreateSurfaceDC(window->surface);
    if (!paint->hdc) return nullptr;
    gdi::SetSystemClip(paint->hdc, std::move(rects));
    if (erase)
      paint->fErase = !SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
    return paint->hdc;
  });
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (!paint || !paint->hdc) return FALSE;
  DeleteDC(paint->hdc);
  WindowManager::Get().compositor.MarkChanged();
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  return platform::OrFailure<HDC>(nullptr, [&]() -> HDC {
    WindowManager& manager = WindowManager::Get();
    if (!hwnd) return gdi::CreateSurfaceDC(manager.compositor.ScreenBitmap());
    Window* window = manager.Find(hwnd);
    HDC dc = window ? gdi::CreateSurfaceDC(window->surface) : nullptr;
    if (!dc) return nullptr;
    manager.windowDcs.emplace(dc, hwnd);
    manager.compositor.DcOpened();
    return dc;
  });
}

int ReleaseDC(HWND, HDC hdc) {
  WindowManager& manager = WindowManager::Get();
  if (!hdc) return 0;
  if (manager.windowDcs.erase(hdc) > 0) manager.compositor.DcClosed();
  return DeleteDC(hdc);
}
