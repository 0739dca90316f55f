#include "platform/gdi/font_engine.h"

namespace gdi {

// Often enough for the next paint to show the labels, seldom enough that a
// font that cannot be had costs little.
constexpr std::chrono::milliseconds kRetryAfter{100};

std::shared_ptr<Typeface> FontEngine::Get(const FontSpec& wanted) {
  Made& made = typefaces_[{wanted.height, wanted.weight}];
  const auto now = std::chrono::steady_clock::now();
  if (made.typeface && (made.typeface->Usable() || now - made.at < kRetryAfter))
    return made.typeface;
  made.typeface = std::make_shared<Typeface>(library_, resolver_.Resolve(wanted), wanted.height);
  made.at = now;
  return made.typeface;
}

}  // namespace gdi
