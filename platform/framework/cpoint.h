// Points and sizes with the framework's arithmetic.
#pragma once

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

  void Offset(int dx, int dy) {
    x += dx;
    y += dy;
  }

  bool operator==(POINT other) const { return x == other.x && y == other.y; }
  CPoint operator+(SIZE delta) const { return CPoint(x + delta.cx, y + delta.cy); }
  CSize operator-(POINT other) const { return CSize(x - other.x, y - other.y); }
  CPoint& operator+=(SIZE delta) { return *this = *this + delta; }
};
