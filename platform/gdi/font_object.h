// A font handle's object: the logical font the program asked for, and the
// typeface serving it. The font engine owns typefaces; a font only watches
// its own, so the engine may go before or after the object table.
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

class Typeface;

class Font : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Font;
  explicit Font(const LOGFONTW& logical) : GdiObject(kKind), logical_(logical) {
    logical_.lfFaceName[LF_FACESIZE - 1] = L'\0';
  }

  const LOGFONTW& Logical() const { return logical_; }

  // The typeface, asked of the engine when not yet known or no longer
  // alive; never null (an empty typeface when no face could be loaded).
  // Lives with the text output (text_api.cpp), the one user of the font
  // engine.
  std::shared_ptr<Typeface> Face();

 private:
  LOGFONTW logical_;
  std::weak_ptr<Typeface> face_;
};

}  // namespace gdi
