// A rectangle with the framework's members; right and bottom exclusive.
#pragma once

#include <algorithm>

#include "platform/framework/cpoint.h"

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rect) : RECT(rect) {}
  explicit CRect(LPCRECT rect) : RECT(*rect) {}
  CRect(POINT topLeft, SIZE size)
      : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
  CRect(POINT topLeft, POINT bottomRight)
      : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  // Empty: no area (zero or negative width or height).
  BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
  BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  BOOL EqualRect(LPCRECT r) const {
    return left == r->left && top == r->top && right == r->right && bottom == r->bottom;
  }

  void SetRect(int l, int t, int r, int b) { *static_cast<RECT*>(this) = RECT{l, t, r, b}; }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT r) { *static_cast<RECT*>(this) = *r; }

  void InflateRect(int x, int y) { SetRect(left - x, top - y, right + x, bottom + y); }
  void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
  void InflateRect(LPCRECT r) {
    SetRect(left - r->left, top - r->top, right + r->right, bottom + r->bottom);
  }
  void InflateRect(int l, int t, int r, int b) {
    SetRect(left - l, top - t, right + r, bottom + b);
  }
  void DeflateRect(int x, int y) { InflateRect(-x, -y); }
  void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
  void DeflateRect(LPCRECT r) {
    SetRect(left + r->left, top + r->top, right - r->right, bottom - r->bottom);
  }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
  void OffsetRect(int x, int y) { SetRect(left + x, top + y, right + x, bottom + y); }
  void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
  void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
  void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }

  // The common part; when there is none the rectangle becomes all zero
  // and the result is FALSE.
  BOOL IntersectRect(LPCRECT a, LPCRECT b) {
    SetRect(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
            std::min(a->bottom, b->bottom));
    if (!IsRectEmpty()) return TRUE;
    SetRectEmpty();
    return FALSE;
  }
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

  bool operator==(const RECT& r) const { return EqualRect(&r); }
  bool operator!=(const RECT& r) const { return !EqualRect(&r); }
  CRect& operator+=(POINT p) {
    OffsetRect(p);
    return *this;
  }
  CRect& operator-=(POINT p) {
    OffsetRect(-p.x, -p.y);
    return *this;
  }
  CRect& operator&=(const RECT& r) {
    IntersectRect(this, &r);
    return *this;
  }
  CRect& operator|=(const RECT& r) {
    UnionRect(this, &r);
    return *this;
  }
  CRect operator+(POINT p) const {
    CRect r(*this);
    r += p;
    return r;
  }
  CRect operator-(POINT p) const {
    CRect r(*this);
    r -= p;
    return r;
  }
  CRect operator&(const RECT& other) const {
    CRect r;
    r.IntersectRect(this, &other);
    return r;
  }
  CRect operator|(const RECT& other) const {
    CRect r;
    r.UnionRect(this, &other);
    return r;
  }
};
