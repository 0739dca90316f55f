#include "platform/gdi/font_object.h"

namespace gdi {

Font::Font(const LOGFONTW& logical) : GdiObject(kKind), logical_(logical) {
  logical_.lfFaceName[LF_FACESIZE - 1] = L'\0';
}

Font::~Font() = default;

}  // namespace gdi
