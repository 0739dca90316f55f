// The pen a DC draws lines with.
#pragma once

#include "platform/core/windef.h"
#include "platform/gdi/gdi_object.h"

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

}  // namespace gdi
