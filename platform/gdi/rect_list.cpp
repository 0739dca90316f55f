#include "platform/gdi/rect_list.h"

#include <algorithm>

namespace gdi {

RECT IntersectRects(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

namespace {

// Appends the parts of r outside cut: up to a band above, a band below and
// the two sides between them.
void AppendDifference(const RECT& r, const RECT& cut, RectList& out) {
  const RECT overlap = IntersectRects(r, cut);
  if (IsEmptyRect(overlap)) {
    out.push_back(r);
    return;
  }
  if (r.top < overlap.top) out.push_back(RECT{r.left, r.top, r.right, overlap.top});
  if (overlap.bottom < r.bottom) out.push_back(RECT{r.left, overlap.bottom, r.right, r.bottom});
  if (r.left < overlap.left) out.push_back(RECT{r.left, overlap.top, overlap.left, overlap.bottom});
  if (overlap.right < r.right)
    out.push_back(RECT{overlap.right, overlap.top, r.right, overlap.bottom});
}

}  // namespace

RectList Normalise(std::span<const RECT> rects) {
  RectList result;
  for (const RECT& r : rects) {
    if (IsEmptyRect(r)) continue;
    RectList pieces{r};
    for (const RECT& kept : result) {
      RectList remaining;
      for (const RECT& piece : pieces) AppendDifference(piece, kept, remaining);
      pieces.swap(remaining);
      if (pieces.empty()) break;
    }
    result.insert(result.end(), pieces.begin(), pieces.end());
  }
  return result;
}

RectList Intersect(const RectList& a, const RECT& r) {
  RectList result;
  for (const RECT& piece : a) {
    const RECT overlap = IntersectRects(piece, r);
    if (!IsEmptyRect(overlap)) result.push_back(overlap);
  }
  return result;
}

RectList Intersect(const RectList& a, const RectList& b) {
  RectList result;
  for (const RECT& r : b) {
    RectList part = Intersect(a, r);
    result.insert(result.end(), part.begin(), part.end());
  }
  return result;
}

RECT BoundingBox(const RectList& rects) {
  if (rects.empty()) return RECT{0, 0, 0, 0};
  RECT box = rects.front();
  for (const RECT& r : rects) {
    box.left = std::min(box.left, r.left);
    box.top = std::min(box.top, r.top);
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
  }
  return box;
}

}  // namespace gdi
