#include "platform/win/update_region.h"

#include "platform/gdi/rect_list.h"

namespace win {

namespace {

// The parts of `pieces` outside `cut`: a piece it overlaps leaves up to four
// disjoint rectangles around the overlap.
std::vector<RECT> Outside(const std::vector<RECT>& pieces, const RECT& cut) {
  std::vector<RECT> remaining;
  auto keep = [&remaining](RECT r) {
    if (!gdi::IsEmptyRect(r)) remaining.push_back(r);
  };
  for (const RECT& from : pieces) {
    const RECT overlap = gdi::IntersectRects(from, cut);
    if (gdi::IsEmptyRect(overlap)) {
      remaining.push_back(from);
      continue;
    }
    keep({from.left, from.top, from.right, overlap.top});
    keep({from.left, overlap.bottom, from.right, from.bottom});
    keep({from.left, overlap.top, overlap.left, overlap.bottom});
    keep({overlap.right, overlap.top, from.right, overlap.bottom});
  }
  return remaining;
}

}  // namespace

void UpdateRegion::Add(const RECT& rect) {
  if (gdi::IsEmptyRect(rect)) return;
  std::vector<RECT> fresh = {rect};
  for (const RECT& existing : rects_) {
    fresh = Outside(fresh, existing);
    if (fresh.empty()) return;
  }
  rects_.insert(rects_.end(), fresh.begin(), fresh.end());
}

void UpdateRegion::Subtract(const RECT& rect) { rects_ = Outside(rects_, rect); }

RECT UpdateRegion::Bounds() const { return gdi::BoundingBox(rects_); }

}  // namespace win
