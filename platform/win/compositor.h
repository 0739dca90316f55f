// The 320 x 240 screen, composed from the windows' own surfaces: visible
// top-level windows bottom to top, each followed by its visible children,
// clipped to their parents. Composed and presented only when something
// changed, so an unchanged screen costs nothing.
#pragma once

#include "platform/core/windef.h"
#include "platform/gdi/pixels.h"

namespace win {

class WindowManager;

class Compositor {
 public:
  Compositor();
  ~Compositor();
  Compositor(const Compositor&) = delete;
  Compositor& operator=(const Compositor&) = delete;

  void MarkChanged() { changed_ = true; }
  // Window DCs handed out: while one is open, drawing may happen at any time.
  void DcOpened() { ++openDcs_; }
  void DcClosed();

  // Recomposes and presents if anything changed since the last call.
  void PresentIfChanged(WindowManager& manager);

  HBITMAP ScreenBitmap() const { return bitmap_; }

 private:
  void Compose(WindowManager& manager);
  void ComposeWindow(WindowManager& manager, HWND hwnd, POINT origin, RECT clip);

  HBITMAP bitmap_ = nullptr;
  gdi::Surface32 screen_;
  bool changed_ = true;
  int openDcs_ = 0;
};

}  // namespace win
