#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/calendar.h"
#include "ledger/expense_ledger.h"

namespace {

ExpenseRecord OnDay(int year, int month, int day, int item) {
  return ExpenseRecord{static_cast<std::int16_t>(year),
                       static_cast<std::int16_t>(month),
                       static_cast<std::int16_t>(day),
                       static_cast<std::int16_t>(item),
                       100,
                       0,
                       0};
}

struct Grid {
  DayCell cells[kGridCells];
  const DayCell& At(int column, int row) const { return cells[column * 7 + row]; }
  int RowsUsed() const {
    int rows = 0;
    for (int c = 0; c < 7; ++c)
      for (int r = 0; r < 7; ++r)
        if (At(c, r).nDay) rows = std::max(rows, r + 1);
    return rows;
  }
};

Grid Build(int year, int month, const CExpenseLedger& ledger) {
  Grid grid;
  for (DayCell& cell : grid.cells) cell = DayCell{7, L"x", 1, 1};  // stale contents
  BuildMonthGrid(year, month, ledger, grid.cells);
  return grid;
}

}  // namespace

TEST(CalendarDates, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2004));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_FALSE(IsLeapYear(2005));
  EXPECT_EQ(29, DaysInMonth(2000, 2));
  EXPECT_EQ(28, DaysInMonth(1900, 2));
  EXPECT_EQ(28, DaysInMonth(2100, 2));
  EXPECT_EQ(29, DaysInMonth(2004, 2));
  const int common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(common[m - 1], DaysInMonth(2005, m)) << m;
  EXPECT_EQ(0, DaysInMonth(2005, 0));
  EXPECT_EQ(0, DaysInMonth(2005, 13));
}

TEST(CalendarDates, KnownWeekdays) {
  EXPECT_EQ(1, DayOfWeek(1, 1, 1));
  EXPECT_EQ(6, DayOfWeek(2005, 1, 1));
  EXPECT_EQ(2, DayOfWeek(2005, 3, 1));
  EXPECT_EQ(7, DayOfWeek(2009, 2, 1));
  EXPECT_EQ(4, DayOfWeek(1970, 1, 1));
}

TEST(CalendarDates, DayOfWeekAgreesWithTheStandardLibraryOverThousandsOfYears) {
  using namespace std::chrono;
  for (int y = -1200; y <= 10000; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(y, m); ++d) {
        const year_month_day date{year{y}, month{static_cast<unsigned>(m)},
                                  day{static_cast<unsigned>(d)}};
        ASSERT_TRUE(date.ok());
        const unsigned iso = weekday{sys_days{date}}.iso_encoding();
        ASSERT_EQ(static_cast<int>(iso), DayOfWeek(y, m, d)) << y << "-" << m << "-" << d;
      }
      ASSERT_EQ(
          static_cast<unsigned>(DaysInMonth(y, m)),
          static_cast<unsigned>(
              year_month_day_last{year{y}, month_day_last{month{static_cast<unsigned>(m)}}}.day()));
    }
  }
}

TEST(MonthGrid, March2005StartsOnTuesday) {
  const Grid grid = Build(2005, 3, CExpenseLedger());
  EXPECT_EQ(1, grid.At(2, 0).nDay);
  EXPECT_STREQ(L"1", grid.At(2, 0).szDay);
  EXPECT_EQ(31, grid.At(4, 4).nDay);
  EXPECT_STREQ(L"31", grid.At(4, 4).szDay);
  EXPECT_EQ(0, grid.At(1, 0).nDay);
  EXPECT_STREQ(L"", grid.At(1, 0).szDay);
  EXPECT_EQ(0, grid.At(5, 4).nDay);
  EXPECT_EQ(5, grid.RowsUsed());
  for (const DayCell& cell : grid.cells) EXPECT_FALSE(cell.bFuel || cell.bOther);
}

// The arrows wrap round the grid and pass over cells without a day.
TEST(MonthGrid, ArrowStepsWrapOverEmptyCells) {
  const Grid grid = Build(2005, 3, CExpenseLedger());
  const struct {
    GridCell from;
    int dColumn, dRow;
    int day;
  } cases[] = {
      {{2, 0}, kGridColumns - 1, 0, 5},  // left of the 1st: back to Saturday the 5th
      {{4, 4}, 1, 0, 27},                // right of the 31st: round to Sunday the 27th
      {{2, 0}, 0, kGridRows - 1, 29},    // up from the 1st: past two empty rows
      {{4, 4}, 0, 1, 3},                 // down from the 31st: round to the 3rd
      {{4, 1}, 1, 0, 11},
  };
  for (const auto& c : cases) {
    const GridCell to = StepToDay(grid.cells, c.from, c.dColumn, c.dRow);
    EXPECT_EQ(c.day, grid.At(to.column, to.row).nDay) << c.from.column << "," << c.from.row;
  }
}

TEST(MonthGrid, ThirtyOneDaysFromSaturdayFillSixRows) {
  for (int month : {1, 10}) {
    const Grid grid = Build(2005, month, CExpenseLedger());
    EXPECT_EQ(1, grid.At(6, 0).nDay);
    EXPECT_EQ(30, grid.At(0, 5).nDay);
    EXPECT_EQ(31, grid.At(1, 5).nDay);
    for (int c = 2; c < 7; ++c) EXPECT_EQ(0, grid.At(c, 5).nDay);
    EXPECT_EQ(6, grid.RowsUsed());
  }
}

TEST(MonthGrid, February2009FillsExactlyFourRows) {
  const Grid grid = Build(2009, 2, CExpenseLedger());
  EXPECT_EQ(1, grid.At(0, 0).nDay);
  EXPECT_EQ(28, grid.At(6, 3).nDay);
  EXPECT_EQ(4, grid.RowsUsed());
}

TEST(MonthGrid, MarkersForTheMonthsRecordsOnly) {
  CExpenseLedger ledger;
  ledger.Append(OnDay(2005, 2, 8, 0));  // other month
  ledger.Append(OnDay(2005, 3, 8, 0));
  ledger.Append(OnDay(2005, 3, 8, 5));
  ledger.Append(OnDay(2005, 3, 8, 0));
  ledger.Append(OnDay(2005, 3, 15, 0));
  ledger.Append(OnDay(2005, 3, 20, 21));
  ledger.Append(OnDay(2005, 4, 9, 3));  // other month
  ledger.SortByDate();
  const Grid grid = Build(2005, 3, ledger);
  // March 2005: day d sits at column (d + 1) % 7, row (d + 1) / 7.
  const DayCell& eighth = grid.At(2, 1);
  ASSERT_EQ(8, eighth.nDay);
  EXPECT_TRUE(eighth.bFuel && eighth.bOther);
  EXPECT_TRUE(grid.At(2, 2).bFuel);
  EXPECT_FALSE(grid.At(2, 2).bOther);
  EXPECT_TRUE(grid.At(0, 3).bOther);
  EXPECT_FALSE(grid.At(0, 3).bFuel);
  int marked = 0;
  for (const DayCell& cell : grid.cells) marked += cell.bFuel + cell.bOther;
  EXPECT_EQ(4, marked);
}

TEST(MonthGrid, DaysTheMonthDoesNotHaveMarkNothing) {
  CExpenseLedger ledger;
  for (int day : {-32768, -1, 0, 29, 31, 32, 39, 40, 41, 32767})
    ledger.Append(OnDay(2005, 2, day, 0));
  ledger.SortByDate();
  const Grid grid = Build(2005, 2, ledger);
  for (const DayCell& cell : grid.cells) EXPECT_FALSE(cell.bFuel || cell.bOther);
  EXPECT_EQ(28, grid.At(1, 4).nDay);  // February 2005 starts on Tuesday too
}

TEST(MonthGrid, AMonthOutsideOneToTwelveIsEmpty) {
  const Grid grid = Build(2005, 13, CExpenseLedger());
  for (const DayCell& cell : grid.cells) EXPECT_EQ(0, cell.nDay);
}
