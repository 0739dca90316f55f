// The texts of the monthly list: a record's row and the month's totals.
#pragma once

#include <cstdint>

#include "ledger/expense_record.h"
#include "platform/framework/cstring.h"

struct MonthListRow {
  CString date;  // "1/07"
  CString item;  // empty for an id the catalogue lacks
  CString cost;  // "5.00"
};

MonthListRow FormatMonthListRow(const ExpenseRecord& record);
// "월비용: 1,234,567원": whole units, the hundredths dropped.
CString FormatCostTotal(std::int64_t hundredths);
// "운행거리: 20km": whole kilometres, rounded.
CString FormatDistanceTotal(std::int64_t metres);
