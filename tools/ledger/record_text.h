// How one record reads in the tool's listings.
#pragma once

#include "ledger/expense_record.h"
#include "platform/framework/cstring.h"

namespace ledger_tool {

CString IsoDate(const ExpenseRecord& r);     // "2005-03-08"
CString Litres(const ExpenseRecord& r);      // fuel, "%.2f"
CString Amount(const ExpenseRecord& r);      // cost, "%.2f"
CString Kilometres(const ExpenseRecord& r);  // distance, "%.3f"

}  // namespace ledger_tool
