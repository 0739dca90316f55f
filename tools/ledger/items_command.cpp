// items: the catalogue's ids and names, for add and for CSV files.
#include "ledger/expense_items.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"
#include "tools/ledger/usage.h"

namespace ledger_tool {

int RunItems(const Arguments& args) {
  if (const int misuse = CheckArity("items", args, {})) return misuse;
  std::string out = "item_id\titem\n";
  for (const ExpenseItem* item = g_expenseItems; item->name; ++item) {
    out += std::to_string(item->id) + "\t" + Utf8(item->name) + "\n";
  }
  return WriteOutput(out) ? 0 : OutputFailed();
}

}  // namespace ledger_tool
