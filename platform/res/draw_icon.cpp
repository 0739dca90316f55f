// DrawIcon: the icon's pixels copied onto the target. Icons come from PNG
// resources whose decoding drops alpha, so every pixel is drawn.
#include "platform/gdi/wingdi.h"
#include "platform/res/resource_images.h"
#include "platform/res/winresource.h"

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
  const std::optional<res::Image> image = res::IconImage(icon);
  if (!image || GetObjectType(hdc) == 0) return FALSE;
  HBITMAP pixels = CreateBitmap(image->width, image->height, 1, 32, image->pixels.data());
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ previous = SelectObject(memory, pixels);
  const BOOL drawn = BitBlt(hdc, x, y, image->width, image->height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(pixels);
  return drawn;
}
