// The pen a DC draws lines with.
#pragma once

#include "platform/core/windef.h"
#include "platform/gdi/gdi_object.h"

namespace gdi {

class Pen : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Pen;
  // A null pen draws nothing; every other pen draws one pixel wide.
  Pen(COLORREF color, bool null) : GdiObject(kKind), color_(color), null_(null) {}
  COLORREF Color() const { return color_; }
  bool IsNull() const { return null_; }

 private:
  COLORREF color_;
  bool null_;
};

}  // namespace gdi
