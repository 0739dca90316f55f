// The tools a DC draws with: the pen for lines, and the font for text.
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

class Pen : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Pen;
  // Draws one pixel wide.
  explicit Pen(COLORREF color) : GdiObject(kKind), color_(color) {}
  COLORREF Color() const { return color_; }

 private:
  COLORREF color_;
};

class Typeface;

// The logical font the program asked for, and the typeface serving it. The
// font engine owns typefaces; a font only watches its own, so the engine
// may go before or after the object table.
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
