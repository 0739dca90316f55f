// One resolved font face at one pixel size. Glyphs are rasterised on first
// use and kept, so drawing a label again touches no font file.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "platform/core/windef.h"
#include "platform/gdi/face_resolver.h"
#include "platform/gdi/glyph_blend.h"
#include "platform/gdi/glyph_cache.h"
#include "platform/gdi/pixels.h"

struct FT_LibraryRec_;

namespace gdi {

// The FreeType library instance. Typefaces share it and keep it alive, so
// a face is always closed before the library that opened it.
using FontLibrary = std::shared_ptr<FT_LibraryRec_>;

// nullptr when FreeType could not start; every face then stays empty.
FontLibrary OpenFontLibrary();

// height = ascent + descent = the character cell height (tmHeight).
struct FontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
};

class Typeface {
 public:
  // Sized so that ascent + descent is exactly cellHeight. Without a usable
  // file (none given, unreadable, not a font) the typeface is empty: zero
  // metrics, zero extents, nothing drawn.
  Typeface(FontLibrary library, const std::optional<FaceFile>& file, int cellHeight);
  ~Typeface();

  const FontMetrics& Metrics() const { return metrics_; }
  // False for an empty typeface.
  bool Usable() const { return outline_ != nullptr; }

  // cx: the sum of advances; cy: Metrics().height.
  SIZE Measure(std::wstring_view text) const;

  // Blends the glyphs' coverage in color over target, the cell's top-left
  // at (x, y), only inside the clip rectangles (target coordinates,
  // disjoint; none draws nothing). No background is filled.
  void Draw(const Surface32& target, int x, int y, std::wstring_view text, COLORREF color,
            std::span<const RECT> clip) const;

 private:
  struct Outline;

  const Glyph& GlyphFor(wchar_t code) const;

  FontLibrary library_;
  std::unique_ptr<Outline> outline_;  // null for an empty typeface
  FontMetrics metrics_;
  mutable GlyphCache cache_;
  mutable BlendMemo blends_;
};

}  // namespace gdi
