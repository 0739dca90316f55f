// A font handle's object: the logical font the program asked for, and the
// typeface serving it, found on first use and kept for the font's life.
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

class Typeface;

class Font : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Font;
  explicit Font(const LOGFONTW& logical);
  ~Font() override;

  const LOGFONTW& Logical() const { return logical_; }

  // nullptr only when no face at all could be loaded. Lives with the text
  // output (text_api.cpp), the one user of the font engine.
  Typeface* Face();

 private:
  LOGFONTW logical_;
  std::shared_ptr<Typeface> face_;
  bool resolved_ = false;
};

}  // namespace gdi
