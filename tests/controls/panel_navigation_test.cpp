// The direction search on the keypad's digit keys and on small layouts
// made for one rule each, and the choice among buttons under the pen.
#include <gtest/gtest.h>

#include <vector>

#include "controls/panel_navigation.h"

namespace {

struct Key {
  RECT rect;
  BYTE enabled = 1;
  int visible = 1;
};

std::vector<PanelButton> Layout(const std::vector<Key>& keys) {
  std::vector<PanelButton> buttons(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    buttons[i].rect = keys[i].rect;
    buttons[i].enabled = keys[i].enabled;
    buttons[i].visible = keys[i].visible;
  }
  return buttons;
}

int Move(std::vector<PanelButton> buttons, int from, int direction) {
  CRect bounds = buttons[0].rect;
  for (const PanelButton& button : buttons) bounds = bounds | button.rect;
  buttons[from].selected = 1;
  return FindNeighbour(buttons, from, bounds, direction);
}

// Digits 1..5 on the top row, 6..9 and 0 below, added in that order.
std::vector<PanelButton> Keypad() {
  std::vector<Key> keys;
  for (int top : {128, 164})
    for (int left : {19, 77, 135, 193, 251}) keys.push_back({{left, top, left + 48, top + 25}});
  return Layout(keys);
}
int KeyOf(int digit) { return digit == 0 ? 9 : digit - 1; }

TEST(PanelNavigation, KeypadMovesWrapWithinRowsAndColumns) {
  const struct {
    int from;
    UINT key;
    int to;
  } cases[] = {
      {1, VK_LEFT, 5},    {5, VK_RIGHT, 1},   {6, VK_LEFT, 0},    {0, VK_RIGHT, 6},
      {3, VK_DOWN, 8},    {8, VK_UP, 3},      {8, VK_DOWN, 3},    {3, VK_UP, 8},
      {1, VK_NUMPAD3, 7}, {0, VK_NUMPAD7, 4}, {1, VK_NUMPAD7, 0}, {5, VK_NUMPAD3, 1},
      {6, VK_NUMPAD9, 2}, {4, VK_NUMPAD1, 8},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Move(Keypad(), KeyOf(c.from), KeyToDirection8(c.key)), KeyOf(c.to))
        << "from " << c.from << " key " << c.key;
  EXPECT_EQ(KeyToDirection4(VK_NUMPAD7), -1);
  EXPECT_EQ(KeyToDirection8(VK_NUMPAD5), -1);
  EXPECT_EQ(KeyToDirection8(VK_RETURN), -1);
}

TEST(PanelNavigation, HandMadeLayouts) {
  const RECT topLeft{0, 0, 20, 10}, topRight{30, 0, 50, 10};
  const struct {
    const char* rule;
    std::vector<Key> keys;
    int from, direction, to;
  } cases[] = {
      {"down skips a lower key beside it and wraps to the top row",
       {{topLeft}, {topRight}, {{30, 20, 50, 30}}},
       0,
       kDirDown,
       1},
      {"down counts a touching edge as overlap",
       {{topLeft}, {topRight}, {{20, 20, 40, 30}}},
       0,
       kDirDown,
       2},
      {"up takes the nearest key above without overlap",
       {{{30, 20, 50, 30}}, {topLeft}, {{30, -40, 50, -30}}},
       0,
       kDirUp,
       1},
      {"a tie goes to the first added, left first",
       {{{0, 0, 10, 10}}, {{50, 0, 60, 10}}, {{25, 20, 35, 30}}},
       2,
       kDirUp,
       0},
      {"a tie goes to the first added, right first",
       {{{50, 0, 60, 10}}, {{0, 0, 10, 10}}, {{25, 20, 35, 30}}},
       2,
       kDirUp,
       0},
      {"disabled and hidden keys are passed over",
       {{{0, 0, 10, 10}}, {{20, 0, 30, 10}, 0}, {{40, 0, 50, 10}, 1, 0}, {{60, 0, 70, 10}}},
       0,
       kDirRight,
       3},
      {"nothing eligible anywhere", {{topLeft}, {topRight, 0}}, 0, kDirRight, -1},
      {"a key out of reach is no neighbour",
       {{topLeft}, {{20000, 0, 20020, 10}}},
       0,
       kDirRight,
       -1},
  };
  for (const auto& c : cases) EXPECT_EQ(Move(Layout(c.keys), c.from, c.direction), c.to) << c.rule;
  const std::vector<PanelButton> one = Layout({{topLeft}});
  EXPECT_EQ(FindNeighbour(one, 0, topLeft, kDirRight), -1);
  EXPECT_EQ(FindNeighbour(Keypad(), -1, RECT{19, 128, 299, 189}, kDirRight), -1);  // no selection
}

TEST(PanelNavigation, PenChoosesTheNearestCentreAmongEligibleButtons) {
  std::vector<PanelButton> buttons =
      Layout({{{0, 0, 20, 20}}, {{10, 0, 30, 20}}, {{40, 0, 60, 20}, 0}, {{70, 0, 90, 20}, 1, 0}});
  buttons[0].selected = 1;  // the focused key can be pressed too
  const struct {
    POINT point;
    int expected;
  } cases[] = {{{5, 5}, 0},   {{12, 10}, 0}, {{18, 10}, 1}, {{15, 10}, 0}, {{20, 10}, 1},
               {{45, 5}, -1}, {{75, 5}, -1}, {{35, 5}, -1}, {{5, 20}, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(FindButtonAt(buttons, c.point), c.expected) << c.point.x << "," << c.point.y;
}

}  // namespace
