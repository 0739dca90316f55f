#include "platform/gdi/glyph_cache.h"

namespace gdi {

const Glyph* GlyphCache::Find(char32_t code) const {
  if (code < kPagedLimit) {
    const Page* page = pages_[code >> kPageBits].get();
    return page ? (*page)[code & (kPageSize - 1)] : nullptr;
  }
  const auto found = glyphs_.find(code);
  return found == glyphs_.end() ? nullptr : &found->second;
}

const Glyph& GlyphCache::Add(char32_t code, Glyph glyph, std::span<const std::uint8_t> coverage) {
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

}  // namespace gdi
