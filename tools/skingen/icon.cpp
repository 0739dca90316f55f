// The program icon 128: a small car on an orange tile.
#include "tools/skingen/palette.h"
#include "tools/skingen/skin_set.h"

namespace skingen {

Canvas DrawIcon() {
  Canvas icon(48, 48, palette::kTitleBand);
  icon.RoundGradient({0, 0, 48, 48}, 9, palette::kOrangeFaceTop, palette::kPressedEdge);
  icon.RoundFrame({0, 0, 48, 48}, 9, RGB(120, 56, 0));
  const COLORREF body = palette::kTitleBand;
  icon.RoundGradient({14, 14, 34, 26}, 4, body, body);
  icon.RoundGradient({6, 22, 42, 34}, 4, body, body);
  icon.Fill({17, 17, 23, 22}, palette::kLightField);
  icon.Fill({25, 17, 31, 22}, palette::kLightField);
  icon.Disc(2 * 14, 2 * 34, 11, body);
  icon.Disc(2 * 34, 2 * 34, 11, body);
  icon.Disc(2 * 14, 2 * 34, 5, palette::kMutedText);
  icon.Disc(2 * 34, 2 * 34, 5, palette::kMutedText);
  return icon;
}

}  // namespace skingen
