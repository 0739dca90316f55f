#include "tools/ledger/record_text.h"

#include <array>
#include <cstdio>
#include <utility>

#include "ledger/expense_items.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

template <class... Values>
std::string Formatted(const char* format, Values... values) {
  char text[64];
  const int length = std::snprintf(text, sizeof text, format, values...);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

std::string IsoDate(const ExpenseRecord& r) {
  return Formatted("%04d-%02d-%02d", r.year, r.month, r.day);
}

std::string MonthDay(const ExpenseRecord& r) { return Formatted("%d/%02d", r.month, r.day); }

std::string Litres(const ExpenseRecord& r) { return Formatted("%.2f", r.fuel / 100.0); }
std::string Amount(const ExpenseRecord& r) { return Formatted("%.2f", r.cost / 100.0); }
std::string Kilometres(const ExpenseRecord& r) { return Formatted("%.3f", r.distance / 1000.0); }

// Converted once: a listing names an item on every row.
const std::string& ItemName(int itemId) {
  static const std::array<std::pair<int, std::string>, kExpenseItemCount> names = [] {
    std::array<std::pair<int, std::string>, kExpenseItemCount> utf8;
    for (int i = 0; i < kExpenseItemCount; ++i) {
      utf8[i] = {g_expenseItems[i].id, Utf8(g_expenseItems[i].name)};
    }
    return utf8;
  }();
  static const std::string none;
  for (const auto& [id, name] : names) {
    if (id == itemId) return name;
  }
  return none;
}

std::string ShowLine(const ExpenseRecord& r) {
  return IsoDate(r) + "\t" + std::to_string(r.itemId) + "\t" + ItemName(r.itemId) + "\t" +
         Litres(r) + "\t" + Amount(r) + "\t" + Kilometres(r) + "\n";
}

}  // namespace ledger_tool
