// Fonts and text output through the font engine's typefaces.
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/core/context.h"
#include "platform/core/or_failure.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font_engine.h"
#include "platform/gdi/object_table.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

namespace {

// A cell height of 0 asks for the default size; a negative height gives the
// character height, served here as the cell height.
constexpr int kDefaultCellHeight = 16;
constexpr long long kMaxCellHeight = 512;

int CellHeightFor(LONG lfHeight) {
  if (lfHeight == 0) return kDefaultCellHeight;
  const long long magnitude = lfHeight < 0 ? -static_cast<long long>(lfHeight) : lfHeight;
  return static_cast<int>(std::min(magnitude, kMaxCellHeight));
}

FontSpec SpecFor(const LOGFONTW& logical) {
  return {CellHeightFor(logical.lfHeight),
          logical.lfWeight == FW_DONTCARE ? FW_NORMAL : static_cast<int>(logical.lfWeight)};
}

}  // namespace

std::shared_ptr<Typeface> Font::Face() {
  std::shared_ptr<Typeface> face = face_.lock();
  if (!face || !face->Usable()) {
    face = platform::Context::Get().Use<FontEngine>().Get(SpecFor(logical_));
    face_ = face;
  }
  return face;
}

}  // namespace gdi

using gdi::DeviceContext;
using gdi::FindDC;
using gdi::ObjectTable;
using gdi::RectList;

namespace {

// The text of a (text, count) pair; count -1 means terminated.
std::wstring_view TextOf(LPCWSTR text, int count) {
  if (!text || count == 0 || count < -1) return {};
  return count == -1 ? std::wstring_view(text)
                     : std::wstring_view(text, static_cast<std::size_t>(count));
}

// Where one text call may draw: the DC's clip, within a bound when one is
// given. A clip of one rectangle, as in nearly every paint, is bounded
// without allocating.
class TextClip {
 public:
  TextClip(const RectList& clip, const RECT* bound) : rects_(clip) {
    if (!bound) return;
    if (clip.size() == 1) {
      single_ = gdi::IntersectRects(clip.front(), *bound);
      rects_ = gdi::IsEmptyRect(single_) ? std::span<const RECT>() : std::span(&single_, 1);
      return;
    }
    bounded_ = gdi::Intersect(clip, *bound);
    rects_ = bounded_;
  }
  TextClip(const TextClip&) = delete;
  TextClip& operator=(const TextClip&) = delete;

  std::span<const RECT> Rects() const { return rects_; }

 private:
  std::span<const RECT> rects_;
  RECT single_{};
  RectList bounded_;
};

// One line at (x, y), the cell's top-left corner, within clip. Text reaches
// 32-bit bitmaps only; opaque mode fills the cell with the background first.
void DrawLine(DeviceContext& dc, gdi::Typeface& face, int x, int y, std::wstring_view line,
              SIZE extent, std::span<const RECT> clip) {
  if (dc.bkMode == OPAQUE) {
    const RECT cell{x, y, x + extent.cx, y + face.Metrics().height};
    gdi::FillClipped(dc.Target(), clip, cell, dc.bkColor);
  }
  const gdi::Surface32 surface = dc.Target().Surface();
  if (surface.pixels && !clip.empty()) face.Draw(surface, x, y, line, dc.textColor, clip);
}

int AlignedX(const RECT& rect, int width, UINT format) {
  if (format & DT_CENTER) return (rect.left + rect.right - width) / 2;
  if (format & DT_RIGHT) return rect.right - width;
  return rect.left;
}

// Vertical placement applies to single lines only, as on the device.
int LineY(const RECT& rect, int cellHeight, UINT format) {
  if (!(format & DT_SINGLELINE)) return rect.top;
  if (format & DT_VCENTER) return rect.top + (rect.bottom - rect.top) / 2 - cellHeight / 2;
  if (format & DT_BOTTOM) return rect.bottom - cellHeight;
  return rect.top;
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONTW* font) {
  if (!font) return nullptr;
  return static_cast<HFONT>(ObjectTable::Get().Make<gdi::Font>(*font));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outputPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR face) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = static_cast<BYTE>(italic);
  font.lfUnderline = static_cast<BYTE>(underline);
  font.lfStrikeOut = static_cast<BYTE>(strikeOut);
  font.lfCharSet = static_cast<BYTE>(charSet);
  font.lfOutPrecision = static_cast<BYTE>(outputPrecision);
  font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  font.lfQuality = static_cast<BYTE>(quality);
  font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (face)
    std::wmemcpy(font.lfFaceName, face, std::min<std::size_t>(std::wcslen(face), LF_FACESIZE - 1));
  return CreateFontIndirect(&font);
}

int DrawText(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
  return platform::OrFailure<int>(0, [&]() -> int {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return 0;
    const std::shared_ptr<gdi::Typeface> face = dc->CurrentFont()->Face();
    const int cellHeight = face->Metrics().height;
    const std::wstring_view line = TextOf(text, count);
    const TextClip clip(dc->Clip(), (format & DT_NOCLIP) ? nullptr : rect);
    const int y = LineY(*rect, cellHeight, format);
    const SIZE extent = face->Measure(line);
    DrawLine(*dc, *face, AlignedX(*rect, extent.cx, format), y, line, extent, clip.Rects());
    return y + cellHeight - rect->top;
  });
}

BOOL TextOut(HDC hdc, int x, int y, LPCWSTR text, int count) {
  if (count < 0) return FALSE;
  return ExtTextOut(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

// ETO_OPAQUE fills rect with the background colour whatever the mode.
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                const INT* dx) {
  return platform::OrFailure<BOOL>(FALSE, [&]() -> BOOL {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || dx) return FALSE;
    if (rect && (options & ETO_OPAQUE))
      gdi::FillClipped(dc->Target(), dc->Clip(), *rect, dc->bkColor);
    const std::wstring_view line =
        TextOf(text, static_cast<int>(std::min<UINT>(count, 0x7FFFFFFF)));
    if (line.empty()) return TRUE;
    const std::shared_ptr<gdi::Typeface> face = dc->CurrentFont()->Face();
    DrawLine(*dc, *face, x, y, line, face->Measure(line), dc->Clip());
    return TRUE;
  });
}

BOOL GetTextExtentPoint32(HDC hdc, LPCWSTR text, int count, LPSIZE size) {
  return platform::OrFailure<BOOL>(FALSE, [&]() -> BOOL {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text)) return FALSE;
    *size = dc->CurrentFont()->Face()->Measure(TextOf(text, count));
    return TRUE;
  });
}
