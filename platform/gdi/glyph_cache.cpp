#include "platform/gdi/glyph_cache.h"

namespace gdi {

const Glyph* GlyphCache::Find(char32_t code) const {
  const auto found = glyphs_.find(code);
  return found == glyphs_.end() ? nullptr : &found->second;
}

const Glyph& GlyphCache::Add(char32_t code, Glyph glyph, std::span<const std::uint8_t> coverage) {
  glyph.offset = coverage_.size();
  coverage_.insert(coverage_.end(), coverage.begin(), coverage.end());
  return glyphs_.insert_or_assign(code, glyph).first->second;
}

}  // namespace gdi
