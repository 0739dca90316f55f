// The small objects a DC draws with: solid brushes and pens.
#pragma once

#include "platform/core/windef.h"
#include "platform/gdi/gdi_object.h"

namespace gdi {

class Brush : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Brush;
  // A hollow brush paints nothing.
  Brush(COLORREF color, bool hollow) : GdiObject(kKind), color_(color), hollow_(hollow) {}
  COLORREF Color() const { return color_; }
  bool IsHollow() const { return hollow_; }

 private:
  COLORREF color_;
  bool hollow_;
};

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
