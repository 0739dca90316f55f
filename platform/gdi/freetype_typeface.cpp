#include "platform/gdi/freetype_typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gdi {

std::shared_ptr<FreeTypeLibrary> FreeTypeLibrary::Create() {
  FT_Library handle = nullptr;
  if (FT_Init_FreeType(&handle) != 0) return nullptr;
  auto library = std::make_shared<FreeTypeLibrary>();
  library->handle_ = handle;
  return library;
}

FreeTypeLibrary::~FreeTypeLibrary() {
  if (handle_) FT_Done_FreeType(static_cast<FT_Library>(handle_));
}

struct FreeTypeTypeface::Face {
  FT_Face handle = nullptr;
  ~Face() {
    if (handle) FT_Done_Face(handle);
  }
};

FreeTypeTypeface::FreeTypeTypeface(std::shared_ptr<FreeTypeLibrary> library, std::unique_ptr<Face> face)
    : library_(std::move(library)), face_(std::move(face)) {}

FreeTypeTypeface::~FreeTypeTypeface() = default;

std::unique_ptr<FreeTypeTypeface> FreeTypeTypeface::Open(std::shared_ptr<FreeTypeLibrary> library,
                                                         const FontFile& file, int height) {
  if (!library) return nullptr;
  auto face = std::make_unique<Face>();
  if (FT_New_Face(static_cast<FT_Library>(library->Handle()), file.path.c_str(), file.index,
                  &face->handle) != 0)
    return nullptr;
  std::unique_ptr<FreeTypeTypeface> typeface(new FreeTypeTypeface(std::move(library), std::move(face)));
  if (!typeface->SizeToCell(height)) return nullptr;
  return typeface;
}

// A positive height is the whole cell, ascent plus descent, as the device's
// fonts measure it (the face's Windows ascent and descent); a negative one
// is the em size.
bool FreeTypeTypeface::SizeToCell(int height) {
  FT_Face face = face_->handle;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  double ascent = os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender;
  double descent = os2 && os2->usWinAscent ? os2->usWinDescent : -face->descender;
  const double units = face->units_per_EM ? face->units_per_EM : 1000;
  if (ascent + descent <= 0) ascent = units, descent = 0;
  if (height == 0) height = 12;
  const double em = height > 0 ? height * units / (ascent + descent) : -height;
  const int cell = height > 0 ? height : static_cast<int>(std::lround((ascent + descent) * em / units));
  if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72) != 0) return false;
  metrics_.height = cell;
  metrics_.ascent = static_cast<int>(std::lround(cell * ascent / (ascent + descent)));
  metrics_.descent = cell - metrics_.ascent;
  const double average = os2 ? os2->xAvgCharWidth : units / 2;
  metrics_.averageWidth = static_cast<int>(std::lround(average * em / units));
  return true;
}

const FreeTypeTypeface::Glyph& FreeTypeTypeface::GlyphFor(wchar_t c) {
  if (auto found = glyphs_.find(c); found != glyphs_.end()) return found->second;
  Glyph glyph;
  FT_Face face = face_->handle;
  if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0) {
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
      glyph.width = static_cast<int>(bitmap.width);
      glyph.rows = static_cast<int>(bitmap.rows);
      glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
      for (int row = 0; row < glyph.rows; ++row)
        std::copy_n(bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch, glyph.width,
                    glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
    }
  }
  return glyphs_.emplace(c, std::move(glyph)).first->second;
}

SIZE FreeTypeTypeface::Measure(std::wstring_view text) {
  LONG width = 0;
  for (wchar_t c : text) width += GlyphFor(c).advance;
  return SIZE{width, metrics_.height};
}

void FreeTypeTypeface::Draw(const Surface32& target, int x, int y, std::wstring_view text,
                            COLORREF color, std::span<const RECT> clip) {
  const Pixel pixel = PixelFromColor(color);
  const int baseline = y + metrics_.ascent;
  int pen = x;
  for (wchar_t c : text) {
    const Glyph& glyph = GlyphFor(c);
    for (const RECT& r : clip) Blend(target, glyph, pen + glyph.left, baseline - glyph.top, pixel, r);
    pen += glyph.advance;
  }
}

namespace {

// Exact at the ends: coverage 0 keeps the target, 255 gives the colour.
inline Pixel Mix(Pixel under, Pixel over, int coverage) {
  Pixel out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((under >> shift) & 0xFF), s = static_cast<int>((over >> shift) & 0xFF);
    out |= static_cast<Pixel>(d + (s - d) * coverage / 255) << shift;
  }
  return out;
}

}  // namespace

void FreeTypeTypeface::Blend(const Surface32& target, const Glyph& glyph, int left, int top,
                             Pixel color, const RECT& clip) {
  const int x0 = std::max({left, static_cast<int>(clip.left), 0});
  const int x1 = std::min({left + glyph.width, static_cast<int>(clip.right), target.width});
  const int y0 = std::max({top, static_cast<int>(clip.top), 0});
  const int y1 = std::min({top + glyph.rows, static_cast<int>(clip.bottom), target.height});
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* coverage = glyph.coverage.data() + static_cast<std::ptrdiff_t>(y - top) * glyph.width - left;
    Pixel* row = target.Row(y);
    for (int x = x0; x < x1; ++x)
      if (coverage[x]) row[x] = Mix(row[x], color, coverage[x]);
  }
}

}  // namespace gdi
