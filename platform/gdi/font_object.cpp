#include "platform/gdi/font_object.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "platform/core/context.h"
#include "platform/gdi/font_engine.h"

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
  FontSpec spec;
  spec.face.assign(logical.lfFaceName, wcsnlen(logical.lfFaceName, LF_FACESIZE));
  spec.height = CellHeightFor(logical.lfHeight);
  spec.weight = logical.lfWeight == FW_DONTCARE ? FW_NORMAL : logical.lfWeight;
  spec.italic = logical.lfItalic != 0;
  return spec;
}

}  // namespace

Font::Font(const LOGFONTW& logical) : GdiObject(kKind), logical_(logical) {
  logical_.lfFaceName[LF_FACESIZE - 1] = L'\0';
}

Font::~Font() = default;

Typeface* Font::Face() {
  if (!resolved_) {
    face_ = platform::Context::Get().Use<FontEngine>().Get(SpecFor(logical_));
    resolved_ = true;
  }
  return face_.get();
}

}  // namespace gdi
