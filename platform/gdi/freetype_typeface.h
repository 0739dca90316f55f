// A typeface rendered by FreeType at one cell height, its glyphs rasterised
// once on first use and kept.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/gdi/font_resolver.h"
#include "platform/gdi/typeface.h"

namespace gdi {

class FreeTypeLibrary;

class FreeTypeTypeface : public Typeface {
 public:
  // Null when the file cannot be opened as a face.
  static std::unique_ptr<FreeTypeTypeface> Open(std::shared_ptr<FreeTypeLibrary> library,
                                                const FontFile& file, int height);
  ~FreeTypeTypeface() override;

  const FontMetrics& Metrics() const override { return metrics_; }
  SIZE Measure(std::wstring_view text) override;
  void Draw(const Surface32& target, int x, int y, std::wstring_view text, COLORREF color,
            std::span<const RECT> clip) override;

 private:
  struct Glyph {
    int advance = 0;
    int left = 0;  // from the pen to the bitmap's left edge
    int top = 0;   // from the baseline up to the bitmap's top edge
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;
  };

  struct Face;
  FreeTypeTypeface(std::shared_ptr<FreeTypeLibrary> library, std::unique_ptr<Face> face);
  bool SizeToCell(int height);
  const Glyph& GlyphFor(wchar_t c);
  static void Blend(const Surface32& target, const Glyph& glyph, int left, int top, Pixel color,
                    const RECT& clip);

  std::shared_ptr<FreeTypeLibrary> library_;
  std::unique_ptr<Face> face_;
  FontMetrics metrics_;
  std::unordered_map<wchar_t, Glyph> glyphs_;
};

// The FreeType library handle, shared by every typeface made from it.
class FreeTypeLibrary {
 public:
  static std::shared_ptr<FreeTypeLibrary> Create();
  ~FreeTypeLibrary();
  void* Handle() const { return handle_; }

 private:
  void* handle_ = nullptr;
};

}  // namespace gdi
