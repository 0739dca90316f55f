// Points and sizes with the framework's arithmetic.
#pragma once

#include "platform/core/windef.h"

class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(int x, int y) : SIZE{x, y} {}
  CSize(SIZE size) : SIZE(size) {}

  bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
  bool operator!=(SIZE other) const { return !(*this == other); }
  CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
  CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
  CSize& operator+=(SIZE other) { return *this = *this + other; }
  CSize& operator-=(SIZE other) { return *this = *this - other; }
};

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x, int y) : POINT{x, y} {}
  CPoint(POINT point) : POINT(point) {}
  explicit CPoint(SIZE size) : POINT{size.cx, size.cy} {}

  void Offset(int dx, int dy) {
    x += dx;
    y += dy;
  }
  void Offset(POINT delta) { Offset(delta.x, delta.y); }

  bool operator==(POINT other) const { return x == other.x && y == other.y; }
  bool operator!=(POINT other) const { return !(*this == other); }
  CPoint operator+(SIZE delta) const { return CPoint(x + delta.cx, y + delta.cy); }
  CPoint operator-(SIZE delta) const { return CPoint(x - delta.cx, y - delta.cy); }
  CPoint operator+(POINT other) const { return CPoint(x + other.x, y + other.y); }
  CSize operator-(POINT other) const { return CSize(x - other.x, y - other.y); }
  CPoint& operator+=(SIZE delta) { return *this = *this + delta; }
  CPoint& operator-=(SIZE delta) { return *this = *this - delta; }
};
