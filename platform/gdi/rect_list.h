// Regions as lists of disjoint rectangles. Input may overlap; every list
// these functions return covers each pixel at most once, so a raster
// operation such as XOR applied rectangle by rectangle touches each pixel
// exactly once.
#pragma once

#include <span>
#include <vector>

#include "platform/core/windef.h"

namespace gdi {

using RectList = std::vector<RECT>;

inline bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// The common part of a and b; empty (possibly inverted) when they miss.
RECT IntersectRects(const RECT& a, const RECT& b);

// The same union of pixels as rects, without empty or overlapping pieces.
RectList Normalise(std::span<const RECT> rects);

// The pixels in both lists; both must already be disjoint.
RectList Intersect(const RectList& a, const RectList& b);
RectList Intersect(const RectList& a, const RECT& r);

// The smallest rectangle holding every rect; all zero for an empty list.
RECT BoundingBox(const RectList& rects);

}  // namespace gdi
