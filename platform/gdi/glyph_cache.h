// Rasterised glyphs of one typeface, kept for the typeface's lifetime: each
// code point is rendered once, then drawn from here without touching the
// font file. Coverage of all glyphs shares one buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

namespace gdi {

// One glyph's placement and its 8-bit coverage bitmap (width x height,
// rows top-down, no padding).
struct Glyph {
  int advance = 0;  // pen movement in pixels
  int left = 0;     // bitmap's left edge from the pen position
  int top = 0;      // bitmap's top row above the baseline
  int width = 0;
  int height = 0;
  std::size_t offset = 0;  // where its coverage starts in the cache's buffer
};

class GlyphCache {
 public:
  // nullptr until the code point has been added.
  const Glyph* Find(char32_t code) const {
    if (code < kPagedLimit) {
      const Page* page = pages_[code >> kPageBits].get();
      return page ? (*page)[code & (kPageSize - 1)] : nullptr;
    }
    const auto found = glyphs_.find(code);
    return found == glyphs_.end() ? nullptr : &found->second;
  }

  // Stores the glyph with a copy of its coverage (width * height bytes).
  const Glyph& Add(char32_t code, Glyph glyph, std::span<const std::uint8_t> coverage) {
    glyph.offset = coverage_.size();
    coverage_.insert(coverage_.end(), coverage.begin(), coverage.end());
    const Glyph& stored = glyphs_.insert_or_assign(code, glyph).first->second;
    if (code < kPagedLimit) {
      std::unique_ptr<Page>& page = pages_[code >> kPageBits];
      if (!page) page = std::make_unique<Page>();
      (*page)[code & (kPageSize - 1)] = &stored;
    }
    return stored;
  }

  const std::uint8_t* Coverage(const Glyph& glyph) const { return coverage_.data() + glyph.offset; }

 private:
  static constexpr int kPageBits = 8;
  static constexpr std::size_t kPageSize = std::size_t{1} << kPageBits;
  static constexpr char32_t kPagedLimit = 0x10000;
  using Page = std::array<const Glyph*, kPageSize>;

  // Node-based, so references handed out stay valid as glyphs are added.
  std::unordered_map<char32_t, Glyph> glyphs_;
  // The same glyphs below kPagedLimit (all of Hangul and the program's
  // text) found by two indexes instead of a hash and a bucket walk; pages
  // are made as their first glyph comes.
  std::array<std::unique_ptr<Page>, kPagedLimit / kPageSize> pages_;
  std::vector<std::uint8_t> coverage_;
};

}  // namespace gdi
