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

// A direction as steps on each axis: -1 left or up, 1 right or down, 0 not
// that axis. Values outside 0..7 step nowhere and so allow every direction.
struct Step {
  int dx, dy;
};

Step StepOf(int direction) {
  static constexpr Step kSteps[] = {{-1, 0},  {1, 0},  {0, -1}, {0, 1},
                                    {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  return direction >= kDirLeft && direction <= kDirDownRight ? kSteps[direction] : Step{0, 0};
}

// Moving straight down from a button first looks only at buttons sharing
// some of its columns (touching edges count), so that a key beside it in a
// lower row is not taken for the one below.
bool LiesInDirection(const RECT& r, const RECT& from, Step step, bool needOverlapDown) {
  const bool across = step.dx < 0 ? r.right <= from.left : step.dx == 0 || r.left >= from.right;
  const bool along = step.dy < 0 ? r.bottom <= from.top : step.dy == 0 || r.top >= from.bottom;
  const bool straightDown = step.dx == 0 && step.dy > 0;
  const bool overlaps = r.right >= from.left && r.left <= from.right;
  return across && along && (!needOverlapDown || !straightDown || overlaps);
}

// A line along the bounds' edge opposite the direction; the coordinate the
// direction does not move keeps the current button's values.
RECT WrapOrigin(RECT origin, const RECT& bounds, Step step) {
  if (step.dx != 0) origin.left = origin.right = step.dx < 0 ? bounds.right : bounds.left;
  if (step.dy != 0) origin.top = origin.bottom = step.dy < 0 ? bounds.bottom : bounds.top;
  return origin;
}

int Search(std::span<const PanelButton> buttons, const RECT& origin, Step step,
           bool needOverlapDown) {
  return Nearest(buttons, CentreOf(origin), [&](const PanelButton& button) {
    return button.IsEligible() && !button.selected &&
           LiesInDirection(button.rect, origin, step, needOverlapDown);
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
  const Step step = StepOf(direction);
  const int neighbour = Search(buttons, origin, step, true);
  if (neighbour >= 0) return neighbour;
  return Search(buttons, WrapOrigin(origin, bounds, step), step, false);
}

int FindButtonAt(std::span<const PanelButton> buttons, POINT point) {
  return Nearest(buttons, Centre{point.x, point.y}, [&](const PanelButton& button) {
    return button.IsEligible() && button.rect.PtInRect(point);
  });
}
