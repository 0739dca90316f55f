// Glyphs come from FreeType as 8-bit coverage and are blended straight into
// 32-bit surfaces; nothing is allocated once a text's glyphs are cached.
#include "platform/gdi/typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <vector>

namespace gdi {

FontLibrary OpenFontLibrary() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return nullptr;
  return FontLibrary(library, FT_Done_FreeType);
}

namespace {

// Larger cells would only come from a broken request and cost megabytes
// of coverage per glyph.
constexpr int kMaxHeight = 512;
// The face's own hints at full strength: the Korean faces carry hand-made
// instructions for small sizes, which keep the many short strokes of Hangul
// at 13-15 px sharper and darker than the auto-hinter does.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_NORMAL;

// The face's design ascent and descent as Windows measures a cell: the
// OS/2 clipping extents, else the horizontal header.
struct DesignExtent {
  long ascent = 0;
  long descent = 0;
  long Total() const { return ascent + descent; }
};

DesignExtent DesignExtentOf(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
    return {os2->usWinAscent, os2->usWinDescent};
  if (face->ascender - face->descender > 0) return {face->ascender, -face->descender};
  return {face->units_per_EM, 0};
}

int RoundedDivide(long long numerator, long long denominator) {
  return static_cast<int>((numerator + denominator / 2) / denominator);
}

struct Box {
  long long left, top, right, bottom;
};

Box Intersect(const Box& a, const Box& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// Blends count pixels of one coverage row. A blank pixel (about two in five
// of a glyph's box) leaves at the first test.
void BlendRow(Pixel* out, const std::uint8_t* coverage, long long count, Pixel ink,
              BlendMemo& blends) {
  for (long long i = 0; i < count; ++i) {
    const int alpha = coverage[i];
    if (alpha == 0) continue;
    out[i] = alpha == kFullCoverage ? ink : blends.Blend(out[i], ink, alpha);
  }
}

// Blends one glyph bitmap whose top-left pixel lands at (left, top).
void BlendGlyph(const Surface32& target, long long left, long long top, const Glyph& glyph,
                const std::uint8_t* coverage, Pixel ink, std::span<const RECT> clip,
                BlendMemo& blends) {
  const Box cell = Intersect({left, top, left + glyph.width, top + glyph.height},
                             {0, 0, target.width, target.height});
  if (cell.left >= cell.right || cell.top >= cell.bottom) return;
  for (const RECT& rect : clip) {
    const Box area = Intersect(cell, {rect.left, rect.top, rect.right, rect.bottom});
    const long long count = area.right - area.left;
    const long long rows = area.bottom - area.top;
    if (count <= 0 || rows <= 0) continue;
    Pixel* const out = target.Row(static_cast<int>(area.top)) + area.left;
    const std::uint8_t* const source =
        coverage + (area.top - top) * glyph.width + (area.left - left);
    for (long long row = 0; row < rows; ++row)
      BlendRow(out + row * target.stride, source + row * glyph.width, count, ink, blends);
  }
}

}  // namespace

struct Typeface::Outline {
  FT_Face face = nullptr;
  bool embolden = false;
  std::vector<std::uint8_t> scratch;  // one rendered bitmap, packed

  ~Outline() {
    if (face) FT_Done_Face(face);
  }

  // Renders code as packed 8-bit coverage into scratch; a glyph FreeType
  // cannot render becomes an empty one that still advances nothing.
  Glyph Render(wchar_t code) {
    Glyph glyph;
    scratch.clear();
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), kLoadFlags) != 0) return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (embolden) FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    for (int y = 0; y < glyph.height; ++y) {
      const std::uint8_t* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
      scratch.insert(scratch.end(), row, row + glyph.width);
    }
    return glyph;
  }
};

Typeface::Typeface(FontLibrary library, const std::optional<FaceFile>& file, int height)
    : library_(std::move(library)) {
  if (!file || !library_ || height <= 0) return;
  auto outline = std::make_unique<Outline>();
  if (FT_New_Face(library_.get(), file->path.c_str(), file->index, &outline->face) != 0) {
    outline->face = nullptr;
    return;
  }
  FT_Face face = outline->face;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return;
  const DesignExtent design = DesignExtentOf(face);
  const long long upem = face->units_per_EM;
  const int cell = std::min(height, kMaxHeight);
  const FT_F26Dot6 em = RoundedDivide(64LL * cell * upem, design.Total());
  if (FT_Set_Char_Size(face, 0, std::max<FT_F26Dot6>(em, 1), 72, 72) != 0) return;
  metrics_.height = cell;
  metrics_.ascent = std::min(cell, RoundedDivide(1LL * cell * design.ascent, design.Total()));
  metrics_.descent = cell - metrics_.ascent;
  outline->embolden = file->embolden;
  outline_ = std::move(outline);
}

Typeface::~Typeface() = default;

const Glyph& Typeface::GlyphFor(wchar_t code) const {
  const auto key = static_cast<char32_t>(code);
  if (const Glyph* cached = cache_.Find(key)) return *cached;
  const Glyph glyph = outline_->Render(code);
  return cache_.Add(key, glyph, outline_->scratch);
}

SIZE Typeface::Measure(std::wstring_view text) const {
  if (!outline_) return {0, metrics_.height};
  long long width = 0;
  for (wchar_t code : text) width += GlyphFor(code).advance;
  return {static_cast<LONG>(std::min<long long>(width, 0x7FFFFFFF)), metrics_.height};
}

void Typeface::Draw(const Surface32& target, int x, int y, std::wstring_view text, COLORREF color,
                    std::span<const RECT> clip) const {
  if (!outline_ || !target.pixels || clip.empty()) return;
  const Pixel ink = PixelFromColor(color);
  const long long baseline = static_cast<long long>(y) + metrics_.ascent;
  long long pen = x;
  for (wchar_t code : text) {
    const Glyph& glyph = GlyphFor(code);
    BlendGlyph(target, pen + glyph.left, baseline - glyph.top, glyph, cache_.Coverage(glyph), ink,
               clip, blends_);
    pen += glyph.advance;
  }
}

}  // namespace gdi
