#include <algorithm>
#include <cstring>

#include "platform/gdi/surface_dc.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/window_ops.h"

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

void InvalidateWhole(Window& window, bool erase) {
  window.update.Add({0, 0, window.Width(), window.Height()});
  if (!window.update.IsEmpty()) window.erasePending = window.erasePending || erase;
}

}  // namespace win
