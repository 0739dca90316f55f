#include "platform/gdi/font_library.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace gdi {

FontLibrary::FontLibrary() {
  if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

FontLibrary::~FontLibrary() {
  if (library_) FT_Done_FreeType(library_);
}

}  // namespace gdi
