// DrawIcon the way icons are drawn on the device: the mask ANDed onto the
// target (white where transparent), then the colours XORed in (black where
// transparent), each through an ordinary block transfer.
#include <vector>

#include "platform/gdi/wingdi.h"
#include "platform/res/resource_images.h"
#include "platform/res/winresource.h"

namespace {

bool IsOpaque(std::uint32_t argb) { return (argb >> 24) >= 0x80; }

// Colours with transparent pixels black, as a 32-bit bitmap.
HBITMAP ColourPart(const res::Image& image) {
  std::vector<std::uint32_t> colours(image.pixels.size());
  for (std::size_t i = 0; i < colours.size(); ++i)
    colours[i] = IsOpaque(image.pixels[i]) ? image.pixels[i] & 0x00FFFFFFu : 0;
  return CreateBitmap(image.width, image.height, 1, 32, colours.data());
}

// 1 where transparent, rows padded to 16 bits.
HBITMAP MaskPart(const res::Image& image) {
  const int stride = (image.width + 15) / 16 * 2;
  std::vector<BYTE> bits(static_cast<std::size_t>(stride) * image.height, 0);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (!IsOpaque(image.pixels[static_cast<std::size_t>(y) * image.width + x]))
        bits[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
  return CreateBitmap(image.width, image.height, 1, 1, bits.data());
}

}  // namespace

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
  const std::optional<res::Image> image = res::IconImage(icon);
  if (!image || GetObjectType(hdc) == 0) return FALSE;
  HBITMAP mask = MaskPart(*image);
  HBITMAP colours = ColourPart(*image);
  HDC memory = CreateCompatibleDC(hdc);
  const COLORREF text = SetTextColor(hdc, RGB(0, 0, 0));
  const COLORREF bk = SetBkColor(hdc, RGB(255, 255, 255));
  HGDIOBJ previous = SelectObject(memory, mask);
  BitBlt(hdc, x, y, image->width, image->height, memory, 0, 0, SRCAND);
  SelectObject(memory, colours);
  BitBlt(hdc, x, y, image->width, image->height, memory, 0, 0, SRCINVERT);
  SelectObject(memory, previous);
  SetTextColor(hdc, text);
  SetBkColor(hdc, bk);
  DeleteDC(memory);
  DeleteObject(colours);
  DeleteObject(mask);
  return TRUE;
}
