#include "dialogs/month_list_text.h"

#include "dialogs/scaled_value.h"
#include "ledger/expense_items.h"
#include "ledger/month_summary.h"

MonthListRow FormatMonthListRow(const ExpenseRecord& record) {
  MonthListRow row;
  row.date.Format(L"%d/%02d", record.month, record.day);
  row.item = GetItemName(record.itemId);
  row.cost = FormatScaledValue(record.cost, 100).c_str();
  return row;
}

CString FormatCostTotal(std::int64_t hundredths) {
  CString text;
  text.Format(L"월비용: %s원", static_cast<LPCTSTR>(FormatGrouped(hundredths)));
  return text;
}

CString FormatDistanceTotal(std::int64_t metres) {
  CString text;
  text.Format(L"운행거리: %.fkm", static_cast<double>(metres) * 0.001);
  return text;
}
