// Creation members of the drawing object wrappers: each creates the object
// and attaches it; a wrapper that already holds one refuses.
#include "platform/framework/cbitmap.h"
#include "platform/framework/cbrush.h"
#include "platform/framework/cdc.h"
#include "platform/framework/cfont.h"
#include "platform/framework/cpen.h"
#include "platform/framework/crgn.h"

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return AttachCreated(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
  return AttachCreated(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outputPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       LPCTSTR face) {
  return AttachCreated(::CreateFont(height, width, escapement, orientation, weight, italic,
                                    underline, strikeOut, charSet, outputPrecision, clipPrecision,
                                    quality, pitchAndFamily, face));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
  return AttachCreated(::CreateFontIndirect(font));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  return AttachCreated(::CreatePen(style, width, color));
}

BOOL CBrush::CreateSolidBrush(COLORREF color) { return AttachCreated(::CreateSolidBrush(color)); }

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  return AttachCreated(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) {
  return AttachCreated(::CreateRectRgnIndirect(rect));
}
