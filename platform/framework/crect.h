// Sizes, points, and a rectangle with the framework's members; right and
// bottom exclusive.
#pragma once

#include <algorithm>

#include "platform/core/windef.h"

class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(int x, int y) : SIZE{x, y} {}
  CSize(SIZE size) : SIZE(size) {}

  bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
};

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x, int y) : POINT{x, y} {}
  CPoint(POINT point) : POINT(point) {}

  bool operator==(POINT other) const { return x == other.x && y == other.y; }
};

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rect) : RECT(rect) {}
  CRect(POINT topLeft, SIZE size)
      : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CPoint TopLeft() const { return CPoint(left, top); }

  // Empty: no area (zero or negative width or height).
  BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
  BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

  void SetRect(int l, int t, int r, int b) { *static_cast<RECT*>(this) = RECT{l, t, r, b}; }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void InflateRect(int x, int y) { SetRect(left - x, top - y, right + x, bottom + y); }
  void DeflateRect(int x, int y) { InflateRect(-x, -y); }

  // The smallest rectangle holding both; empty inputs are ignored.
  BOOL UnionRect(LPCRECT a, LPCRECT b) {
    const CRect first(*a), second(*b);
    if (first.IsRectEmpty())
      *this = second;
    else if (second.IsRectEmpty())
      *this = first;
    else
      SetRect(std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
              std::max(a->bottom, b->bottom));
    if (!IsRectEmpty()) return TRUE;
    SetRectEmpty();
    return FALSE;
  }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  bool operator==(const RECT& r) const {
    return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
  }
  CRect operator|(const RECT& other) const {
    CRect r;
    r.UnionRect(this, &other);
    return r;
  }
};
