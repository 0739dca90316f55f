#include "platform/win/compositor.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/rect_list.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/window_manager.h"

namespace win {

Compositor::Compositor()
    : bitmap_(gdi::CreateDeviceBitmap(host::kScreenWidth, host::kScreenHeight)),
      screen_(gdi::BitmapSurface(bitmap_)) {}

Compositor::~Compositor() { DeleteObject(bitmap_); }

void Compositor::DcClosed() {
  openDcs_ = std::max(0, openDcs_ - 1);
  changed_ = true;
}

void Compositor::PresentIfChanged(WindowManager& manager) {
  if (!changed_ && openDcs_ == 0) return;
  Compose(manager);
  if (host::Host* host = manager.Host()) host->Present(screen_);
}

void Compositor::Compose(WindowManager& manager) {
  changed_ = false;
  for (int y = 0; y < screen_.height; ++y)
    std::fill_n(screen_.Row(y), screen_.width, gdi::Pixel{0});
  const RECT whole = {0, 0, screen_.width, screen_.height};
  for (HWND hwnd : manager.TopLevels()) {
    Window* window = manager.Find(hwnd);
    if (window && window->visible)
      ComposeWindow(manager, hwnd, {window->rect.left, window->rect.top}, whole);
  }
}

// Copies the window's surface placed at `origin` (screen), within `clip`,
// then its children over it, clipped to this window.
void Compositor::ComposeWindow(WindowManager& manager, HWND hwnd, POINT origin, RECT clip) {
  Window* window = manager.Find(hwnd);
  RECT placed = {origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
  RECT visible = gdi::IntersectRects(placed, clip);
  if (gdi::IsEmptyRect(visible)) return;
  gdi::Surface32 source = gdi::BitmapSurface(window->surface);
  if (source.pixels) {
    int columns =
        std::min<int>(visible.right - visible.left, source.width - (visible.left - origin.x));
    for (int y = visible.top; y < visible.bottom && y - origin.y < source.height; ++y) {
      const gdi::Pixel* from = source.Row(y - origin.y) + (visible.left - origin.x);
      std::memcpy(screen_.Row(y) + visible.left, from, sizeof(gdi::Pixel) * std::max(columns, 0));
    }
  }
  for (HWND child : window->children) {
    Window* c = manager.Find(child);
    if (c && c->visible)
      ComposeWindow(manager, child, {origin.x + c->rect.left, origin.y + c->rect.top}, visible);
  }
}

}  // namespace win
