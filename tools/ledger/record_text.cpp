#include "tools/ledger/record_text.h"

namespace ledger_tool {

namespace {

CString Formatted(LPCTSTR format, double value) {
  CString text;
  text.Format(format, value);
  return text;
}

}  // namespace

CString IsoDate(const ExpenseRecord& r) {
  CString text;
  text.Format(L"%04d-%02d-%02d", r.year, r.month, r.day);
  return text;
}

CString Litres(const ExpenseRecord& r) { return Formatted(L"%.2f", r.fuel / 100.0); }
CString Amount(const ExpenseRecord& r) { return Formatted(L"%.2f", r.cost / 100.0); }
CString Kilometres(const ExpenseRecord& r) { return Formatted(L"%.3f", r.distance / 1000.0); }

}  // namespace ledger_tool
