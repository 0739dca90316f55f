// A window's update region: the union of invalidated rectangles, kept as a
// list of disjoint rectangles so that painting clips to exactly the pixels
// that were invalidated, not their bounding box.
#pragma once

#include <vector>

#include "platform/core/windef.h"

namespace win {

class UpdateRegion {
 public:
  void Add(const RECT& rect);
  void Subtract(const RECT& rect);
  void Clear() { rects_.clear(); }
  bool IsEmpty() const { return rects_.empty(); }
  RECT Bounds() const;  // all zero when empty
  const std::vector<RECT>& Rects() const { return rects_; }

 private:
  std::vector<RECT> rects_;  // disjoint, none empty
};

}  // namespace win
