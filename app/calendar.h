// The calendar's model: Gregorian date arithmetic and the month grid the
// main window paints, 7 columns (Sunday first) by 7 rows, column-major.
#pragma once

class CExpenseLedger;

bool IsLeapYear(int year);
// 28..31 for months 1..12; 0 for any other month.
int DaysInMonth(int year, int month);
// 1 = Monday ... 7 = Sunday, in the proleptic Gregorian calendar, years
// before 1 included.
int DayOfWeek(int year, int month, int day);

// All zero for an empty cell.
struct DayCell {
  int nDay;
  wchar_t szDay[4];
  int bFuel;   // the day has a refuelling record
  int bOther;  // the day has a record of any other item
};

constexpr int kGridColumns = 7;
constexpr int kGridRows = 7;
constexpr int kGridCells = kGridColumns * kGridRows;

// Cell (column, row) is cells[column * 7 + row]. Fills the month's day
// numbers and marks the days the ledger has records on; a record whose day
// the month does not have marks nothing.
void BuildMonthGrid(int year, int month, const CExpenseLedger& ledger,
                    DayCell (&cells)[kGridCells]);

struct GridCell {
  int column;
  int row;
};

// Where an arrow key moves the selected day: from `from` by (dColumn, dRow),
// each 1 or kGrid - 1 to step back, wrapping round the grid and over the
// cells without a day. The row or column stepped along must hold a day
// (the selected one does).
GridCell StepToDay(const DayCell (&cells)[kGridCells], GridCell from, int dColumn, int dRow);
