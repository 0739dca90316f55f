#include "platform/win/update_region.h"

#include <algorithm>

#include "platform/gdi/rect_list.h"

namespace win {

std::vector<RECT> SubtractRect(const RECT& from, const RECT& cut) {
  RECT overlap = gdi::IntersectRects(from, cut);
  if (gdi::IsEmptyRect(overlap)) return {from};
  std::vector<RECT> pieces;
  auto keep = [&pieces](RECT r) {
    if (!gdi::IsEmptyRect(r)) pieces.push_back(r);
  };
  keep({from.left, from.top, from.right, overlap.top});
  keep({from.left, overlap.bottom, from.right, from.bottom});
  keep({from.left, overlap.top, overlap.left, overlap.bottom});
  keep({overlap.right, overlap.top, from.right, overlap.bottom});
  return pieces;
}

void UpdateRegion::Add(const RECT& rect) {
  if (gdi::IsEmptyRect(rect)) return;
  std::vector<RECT> fresh = {rect};
  for (const RECT& existing : rects_) {
    std::vector<RECT> remaining;
    for (const RECT& piece : fresh) {
      std::vector<RECT> cut = SubtractRect(piece, existing);
      remaining.insert(remaining.end(), cut.begin(), cut.end());
    }
    fresh = std::move(remaining);
    if (fresh.empty()) return;
  }
  rects_.insert(rects_.end(), fresh.begin(), fresh.end());
}

void UpdateRegion::Subtract(const RECT& rect) {
  std::vector<RECT> remaining;
  for (const RECT& piece : rects_) {
    std::vector<RECT> cut = SubtractRect(piece, rect);
    remaining.insert(remaining.end(), cut.begin(), cut.end());
  }
  rects_ = std::move(remaining);
}

RECT UpdateRegion::Bounds() const { return gdi::BoundingBox(rects_); }

}  // namespace win
