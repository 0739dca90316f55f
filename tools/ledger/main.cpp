// roadtally-ledger: reads and changes a Roadtally data file without the
// device, through the same ledger code the program uses.
#include <cstdio>
#include <cstring>

#include "tools/ledger/commands.h"
#include "tools/ledger/merge_command.h"
#include "tools/ledger/tool_io.h"

namespace {

constexpr char kUsageText[] =
    "usage: roadtally-ledger show FILE\n"
    "       roadtally-ledger month FILE YEAR MONTH\n"
    "       roadtally-ledger csv FILE [--excel]\n"
    "       roadtally-ledger add FILE YYYY-MM-DD ITEM_ID FUEL COST KM\n"
    "       roadtally-ledger remove FILE INDEX\n"
    "       roadtally-ledger items\n"
    "       roadtally-ledger stats FILE [YEAR] [--csv]\n"
    "       roadtally-ledger last FILE [--on YYYY-MM-DD]\n"
    "       roadtally-ledger import FILE CSV [--dry-run]\n"
    "       roadtally-ledger merge FILE OTHER [--base BASE] [--dry-run]\n"
    "       roadtally-ledger chart FILE YEAR OUT.png\n";

constexpr char kHelpText[] =
    "roadtally-ledger reads and changes a Roadtally data file (text in UTF-8).\n"
    "FUEL is in litres, COST in currency units (won), KM the kilometres driven;\n"
    "ITEM_ID is the expense item (0 refuelling; 'items' lists them all).\n"
    "\n"
    "  show FILE            every record: date, item id, item, litres, cost, km\n"
    "                         roadtally-ledger show Roadtally.dat\n"
    "  month FILE YEAR MONTH  the month's calendar, records and totals\n"
    "                         roadtally-ledger month Roadtally.dat 2005 3\n"
    "  csv FILE [--excel]   every record as CSV (--excel: for a spreadsheet)\n"
    "                         roadtally-ledger csv Roadtally.dat > expenses.csv\n"
    "  add FILE DATE ITEM_ID FUEL COST KM   one record (the file is made if missing)\n"
    "                         roadtally-ledger add Roadtally.dat 2005-03-08 0 40.5 55000 412.3\n"
    "  remove FILE INDEX    the record at INDEX as show lists them, from 0\n"
    "                         roadtally-ledger remove Roadtally.dat 3\n"
    "  items                the expense items' ids and names\n"
    "                         roadtally-ledger items\n"
    "  stats FILE [YEAR] [--csv]  cost, km, litres, L/100km, km/L, cost per km by month\n"
    "                         roadtally-ledger stats Roadtally.dat 2005\n"
    "  last FILE [--on DATE]  when each maintenance item was last done, days and km since\n"
    "                         roadtally-ledger last Roadtally.dat --on 2005-12-31\n"
    "  import FILE CSV [--dry-run]  adds the rows of a CSV laid out as csv writes it,\n"
    "                       all or none\n"
    "                         roadtally-ledger import Roadtally.dat expenses.csv\n"
    "  chart FILE YEAR OUT.png  the year's monthly cost as a bar chart\n"
    "                         roadtally-ledger chart Roadtally.dat 2005 2005.png\n"
    "  merge FILE OTHER [--base BASE] [--dry-run]  brings another copy's entries into\n"
    "                       FILE in one save; OTHER and BASE are only read. BASE is the\n"
    "                       copy both last agreed on: what either side added or deleted\n"
    "                       since is added or deleted, once. Without BASE deletions\n"
    "                       cannot be known: each entry is kept as often as the copy\n"
    "                       with more of it holds it. --dry-run lists the entries\n"
    "                       (+ added, - removed) and writes nothing\n"
    "                         roadtally-ledger merge Roadtally.dat desk.dat --base last.dat\n"
    "\n"
    "A problem gives one line on standard error and status 1; a command line not\n"
    "understood, status 2. A failed save leaves the old file.\n";

struct Command {
  const char* name;
  int (*run)(const ledger_tool::Arguments&);
};

constexpr Command kCommands[] = {
    {"show", ledger_tool::RunShow},     {"month", ledger_tool::RunMonth},
    {"csv", ledger_tool::RunCsv},       {"add", ledger_tool::RunAdd},
    {"remove", ledger_tool::RunRemove}, {"items", ledger_tool::RunItems},
    {"stats", ledger_tool::RunStats},   {"last", ledger_tool::RunLast},
    {"import", ledger_tool::RunImport}, {"chart", ledger_tool::RunChart},
    {"merge", ledger_tool::RunMerge},
};

int Usage() {
  std::fputs(kUsageText, stderr);
  return ledger_tool::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kHelpText, stdout);
    return 0;
  }
  if (argc < 2) return Usage();
  const ledger_tool::Arguments args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (std::strcmp(argv[1], command.name) != 0) continue;
    const int status = command.run(args);
    return status == ledger_tool::kUsage ? Usage() : status;
  }
  return Usage();
}
