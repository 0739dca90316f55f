#include "controls/list_layout.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Position = std::pair<int, int>;  // top row, selection

// Pages one way, 5 rows a page, until the list stops; each position reached.
std::vector<Position> PageAll(int count, Position start, bool down) {
  std::vector<Position> reached;
  auto [top, sel] = start;
  while (reached.size() < 20 && (down ? MovePageDown(top, sel, count, 5) : MovePageUp(top, sel, 5)))
    reached.emplace_back(top, sel);
  EXPECT_EQ(Position(top, sel), reached.empty() ? start : reached.back()) << "a refused page moved";
  return reached;
}

TEST(ListPaging, PagesKeepTheSelectionsPlaceInThePageAndStopAtEitherEnd) {
  const struct {
    const char* name;
    int count;
    Position start;
    bool down;
    std::vector<Position> reached;
  } cases[] = {
      {"empty, down", 0, {0, -1}, true, {}},
      {"empty, up", 0, {0, -1}, false, {}},
      {"3 rows in one page", 3, {0, 1}, true, {}},
      {"22 rows, down", 22, {0, 2}, true, {{5, 7}, {10, 12}, {15, 17}, {17, 19}}},
      {"22 rows, up", 22, {17, 19}, false, {{12, 14}, {7, 9}, {2, 4}, {0, 2}}},
      {"22 rows, up from 3", 22, {3, 4}, false, {{0, 1}}},
  };
  for (const auto& c : cases) EXPECT_EQ(PageAll(c.count, c.start, c.down), c.reached) << c.name;
}

TEST(ListPaging, SelectionIsLimitedToTheLastRowAndScrolledJustIntoView) {
  EXPECT_EQ(LimitSelection(30, 22), 21);
  EXPECT_EQ(LimitSelection(0, 0), -1);
  EXPECT_EQ(LimitSelection(-3, 22), -3);
  const struct {
    int top, sel, wantTop;
  } cases[] = {
      {0, 21, 17},                // far below: the bottom row of the last page
      {17, 0, 0},                 // far above: the top row
      {10, 14, 10},               // the bottom row already
      {10, 15, 11}, {10, -1, 0},  // none selected
  };
  for (const auto& c : cases) {
    int top = c.top;
    ScrollSelIntoView(top, c.sel, 5);
    EXPECT_EQ(top, c.wantTop) << "top " << c.top << ", selection " << c.sel;
  }
}

TEST(ListPaging, PaintStartsAtTheLastRowWhenTheTopLiesBeyondIt) {
  EXPECT_EQ(FirstPaintedRow(30, 22), 21);
  EXPECT_EQ(FirstPaintedRow(21, 22), 21);
  EXPECT_EQ(FirstPaintedRow(4, 22), 4);
  EXPECT_EQ(FirstPaintedRow(3, 0), 0);
}

}  // namespace
