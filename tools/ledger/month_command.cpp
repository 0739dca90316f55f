// month: the month as the calendar draws it, then its list and totals as
// the monthly list shows them, the list written out as it is made.
#include "app/calendar.h"
#include "ledger/expense_items.h"
#include "ledger/month_summary.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

// Four characters a cell: the day right-aligned in two, then the markers.
CString CellText(const DayCell& cell) {
  if (cell.nDay == 0) return L"    ";
  CString text;
  text.Format(L"%2d%c%c", cell.nDay, cell.bFuel ? L'F' : L' ', cell.bOther ? L'M' : L' ');
  return text;
}

void AppendGrid(std::string& out, const DayCell (&cells)[kGridCells]) {
  for (int row = 0; row < kGridRows; ++row) {
    CString line;
    bool hasDay = false;
    for (int column = 0; column < kGridColumns; ++column) {
      const DayCell& cell = cells[column * kGridRows + row];
      hasDay = hasDay || cell.nDay != 0;
      line += CellText(cell);
    }
    if (!hasDay) continue;
    out += Utf8(line) + "\n";
  }
}

}  // namespace

int RunMonth(const Arguments& args) {
  if (const int misuse = CheckArity("month", args, {"FILE", "YEAR", "MONTH"})) return misuse;
  long long year = 0, month = 0;
  if (!ReadInteger(args[1], 1, 9999, year)) return Fail("bad year '" + args[1] + "' (1..9999)");
  if (!ReadInteger(args[2], 1, 12, month)) return Fail("bad month '" + args[2] + "' (1..12)");
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  const int y = static_cast<int>(year), m = static_cast<int>(month);
  DayCell cells[kGridCells];
  BuildMonthGrid(y, m, ledger, cells);
  BlockOutput out;
  AppendGrid(out.Text(), cells);
  ForEachRecordOfMonth(ledger, y, m, [&out](const ExpenseRecord& r) {
    out.Text() += MonthDay(r) + "\t" + ItemName(r.itemId) + "\t" + Fixed(r.cost, 2, 2) + "\n";
    out.Spill();
  });
  const MonthTotals totals = SumMonth(ledger, y, m);
  CString sums;
  sums.Format(L"월비용: %s원\n운행거리: %.fkm\n", static_cast<LPCTSTR>(FormatGrouped(totals.cost)),
              static_cast<double>(totals.distance) * 0.001);
  out.Text() += Utf8(sums);
  return out.Finish() ? 0 : OutputFailed();
}

}  // namespace ledger_tool
