#include "controls/panel_navigation.h"

#include <cstdlib>

namespace {

// A button this far away, or farther, is nobody's neighbour.
constexpr long long kOutOfReach = 99'999'999;
// Past this difference on either axis a distance is out of reach anyway;
// testing it first keeps the squares from overflowing.
constexpr long long kReachPerAxis = 10'000;

struct Centre {
  long long x, y;
};

Centre CentreOf(const RECT& r) {
  return {(static_cast<long long>(r.left) + r.right) / 2,
          (static_cast<long long>(r.top) + r.bottom) / 2};
}

long long SquaredDistance(Centre a, Centre b) {
  const long long dx = a.x - b.x, dy = a.y - b.y;
  if (std::llabs(dx) >= kReachPerAxis || std::llabs(dy) >= kReachPerAxis) return kOutOfReach;
  return dx * dx + dy * dy;
}

template <class Accepts>
int Nearest(std::span<const PanelButton> buttons, Centre from, Accepts accepts) {
  int best = -1;
  long long bestDistance = kOutOfReach;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (!accepts(buttons[i])) continue;
    const long long distance = SquaredDistance(CentreOf(buttons[i].rect), from);
    if (distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
    }
  }
  return best;
}

// Moving down from a button first looks only at buttons sharing some of its
// columns (touching edges count), so that a key beside it in a lower row is
// not taken for the one below.
bool LiesInDirection(const RECT& r, const RECT& from, int direction, bool needOverlapDown) {
  const bool left = r.right <= from.left, right = r.left >= from.right;
  const bool above = r.bottom <= from.top, below = r.top >= from.bottom;
  switch (direction) {
    case kDirLeft: return left;
    case kDirRight: return right;
    case kDirUp: return above;
    case kDirDown:
      return below && (!needOverlapDown || (r.right >= from.left && r.left <= from.right));
    case kDirUpLeft: return above && left;
    case kDirUpRight: return above && right;
    case kDirDownLeft: return below && left;
    case kDirDownRight: return below && right;
    default: return true;
  }
}

// A line along the bounds' edge opposite the direction; the coordinate the
// direction does not move keeps the current button's values.
RECT WrapOrigin(RECT origin, const RECT& bounds, int direction) {
  auto column = [&](LONG x) { origin.left = origin.right = x; };
  auto row = [&](LONG y) { origin.top = origin.bottom = y; };
  switch (direction) {
    case kDirLeft: column(bounds.right); break;
    case kDirRight: column(bounds.left); break;
    case kDirUp: row(bounds.bottom); break;
    case kDirDown: row(bounds.top); break;
    case kDirUpLeft:
      row(bounds.bottom);
      column(bounds.right);
      break;
    case kDirUpRight:
      row(bounds.bottom);
      column(bounds.left);
      break;
    case kDirDownLeft:
      row(bounds.top);
      column(bounds.right);
      break;
    case kDirDownRight:
      row(bounds.top);
      column(bounds.left);
      break;
    default: break;
  }
  return origin;
}

int Search(std::span<const PanelButton> buttons, const RECT& origin, int direction,
           bool needOverlapDown) {
  return Nearest(buttons, CentreOf(origin), [&](const PanelButton& button) {
    return button.IsEligible() && !button.selected &&
           LiesInDirection(button.rect, origin, direction, needOverlapDown);
  });
}

}  // namespace

int KeyToDirection4(UINT key) {
  switch (key) {
    case VK_LEFT: return kDirLeft;
    case VK_RIGHT: return kDirRight;
    case VK_UP: return kDirUp;
    case VK_DOWN: return kDirDown;
    default: return -1;
  }
}

int KeyToDirection8(UINT key) {
  switch (key) {
    case VK_NUMPAD7: return kDirUpLeft;
    case VK_NUMPAD9: return kDirUpRight;
    case VK_NUMPAD1: return kDirDownLeft;
    case VK_NUMPAD3: return kDirDownRight;
    default: return KeyToDirection4(key);
  }
}

int FindNeighbour(std::span<const PanelButton> buttons, int current, const RECT& bounds,
                  int direction) {
  if (buttons.size() < 2 || current < 0 || static_cast<std::size_t>(current) >= buttons.size())
    return -1;
  const RECT& origin = buttons[current].rect;
  const int neighbour = Search(buttons, origin, direction, true);
  if (neighbour >= 0) return neighbour;
  return Search(buttons, WrapOrigin(origin, bounds, direction), direction, false);
}

int FindButtonAt(std::span<const PanelButton> buttons, POINT point) {
  return Nearest(buttons, Centre{point.x, point.y}, [&](const PanelButton& button) {
    return button.IsEligible() && button.rect.PtInRect(point);
  });
}
