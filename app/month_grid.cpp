#include <cwchar>

#include "app/calendar.h"
#include "ledger/expense_items.h"
#include "ledger/expense_ledger.h"
#include "ledger/month_summary.h"

namespace {

DayCell& CellAt(DayCell (&cells)[kGridCells], GridCell at) {
  return cells[at.column * kGridRows + at.row];
}

}  // namespace

void BuildMonthGrid(int year, int month, const CExpenseLedger& ledger,
                    DayCell (&cells)[kGridCells]) {
  for (DayCell& cell : cells) cell = DayCell{};
  const int days = DaysInMonth(year, month);
  GridCell positions[40] = {};  // by day number
  GridCell at{DayOfWeek(year, month, 1) % 7, 0};
  for (int d = 1; d <= days; ++d) {
    DayCell& cell = CellAt(cells, at);
    cell.nDay = d;
    std::swprintf(cell.szDay, std::size(cell.szDay), L"%d", d);
    positions[d] = at;
    if (++at.column == kGridColumns) at = {0, at.row + 1};
  }
  ForEachRecordOfMonth(ledger, year, month, [&](const ExpenseRecord& record) {
    if (record.day < 1 || record.day > days) return;
    DayCell& cell = CellAt(cells, positions[record.day]);
    (record.itemId == kRefuellingItemId ? cell.bFuel : cell.bOther) = 1;
  });
}

GridCell StepToDay(const DayCell (&cells)[kGridCells], GridCell from, int dColumn, int dRow) {
  GridCell to = from;
  do {
    to.column = (to.column + dColumn) % kGridColumns;
    to.row = (to.row + dRow) % kGridRows;
  } while (cells[to.column * kGridRows + to.row].nDay == 0);
  return to;
}
