// show and csv: every record of the file, in ledger order; items: the
// catalogue's ids and names, for add and for CSV files.
#include "ledger/expense_items.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

// RFC 4180: a field holding a comma, quote or line break is quoted, its
// quotes doubled.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

using RowText = std::string (*)(const ExpenseRecord& r);

std::string CsvLine(const ExpenseRecord& r) {
  return IsoDate(r) + "," + std::to_string(r.itemId) + "," + CsvField(ItemName(r.itemId)) + "," +
         Fixed(r.fuel, 2, 2) + "," + Fixed(r.cost, 2, 2) + "," + Fixed(r.distance, 3, 3) + "\r\n";
}

int List(const std::string& hostPath, const std::string& header, RowText row) {
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, hostPath, false)) return kFailed;
  BlockOutput out;
  out.Text() = header;
  for (int i = 0; i < ledger.m_nCount && out.Spill(); ++i) out.Text() += row(ledger.m_pRecords[i]);
  return out.Finish() ? 0 : OutputFailed();
}

}  // namespace

int RunShow(const Arguments& args) {
  if (const int misuse = CheckArity("show", args, {"FILE"})) return misuse;
  return List(args[0], "date\titem_id\titem\tfuel_l\tcost\tdistance_km\n", ShowLine);
}

// Plain, RFC 4180 in UTF-8; for a spreadsheet, with a byte-order mark so
// that it reads the Korean names as UTF-8 rather than the local code page.
int RunCsv(const Arguments& given) {
  Arguments args = given;
  const bool excel = TakeFlag(args, "--excel");
  if (const int misuse = CheckArity("csv", args, {"FILE"})) return misuse;
  const std::string header = "date,item_id,item,fuel_l,cost,distance_km\r\n";
  return List(args[0], excel ? "\xEF\xBB\xBF" + header : header, CsvLine);
}

int RunItems(const Arguments& args) {
  if (const int misuse = CheckArity("items", args, {})) return misuse;
  std::string out = "item_id\titem\n";
  for (const ExpenseItem* item = g_expenseItems; item->name; ++item) {
    out += std::to_string(item->id) + "\t" + Utf8(item->name) + "\n";
  }
  return Say(out);
}

}  // namespace ledger_tool
