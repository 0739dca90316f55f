// roadtally-ledger: reads and changes a Roadtally data file without the
// device, through the same ledger code the program uses.
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"

namespace {

struct Command {
  const char* name;
  const char* arguments;  // as the usage line gives them
  const char* what;       // one line or more, each ending in '\n'
  const char* example;    // the arguments of an example
  int (*run)(const ledger_tool::Arguments&);
};

int RunHelp(const ledger_tool::Arguments&);

constexpr Command kCommands[] = {
    {"show", "FILE", "every record: date, item id, item, litres, cost, km\n", "Roadtally.dat",
     ledger_tool::RunShow},
    {"month", "FILE YEAR MONTH",
     "the month's calendar (F refuelling, M other items), records, totals\n",
     "Roadtally.dat 2005 3", ledger_tool::RunMonth},
    {"csv", "FILE [--excel]",
     "every record as RFC 4180 CSV; --excel adds a byte-order mark for spreadsheets\n",
     "Roadtally.dat > expenses.csv", ledger_tool::RunCsv},
    {"add", "FILE YYYY-MM-DD ITEM_ID FUEL COST KM", "one record; the file is made if missing\n",
     "Roadtally.dat 2005-03-08 0 40.5 55000 412.3", ledger_tool::RunAdd},
    {"remove", "FILE INDEX", "the record at INDEX as show lists them, from 0\n", "Roadtally.dat 3",
     ledger_tool::RunRemove},
    {"items", "", "the expense items' ids and names\n", "", ledger_tool::RunItems},
    {"stats", "FILE [YEAR] [--csv]",
     "cost, km, litres, L/100km, km/L and cost per km by month and for the year\n"
     "(default: the latest year in the file)\n",
     "Roadtally.dat 2005", ledger_tool::RunStats},
    {"last", "FILE [--on YYYY-MM-DD]",
     "when each maintenance item was last done, days and km since (as of today or --on)\n",
     "Roadtally.dat --on 2005-12-31", ledger_tool::RunLast},
    {"import", "FILE CSV [--dry-run]",
     "adds the rows of a CSV laid out as csv writes it, all or none; blank values are 0,\n"
     "blank rows are skipped; --dry-run says what the file would hold and writes nothing\n",
     "Roadtally.dat expenses.csv", ledger_tool::RunImport},
    {"chart", "FILE YEAR OUT.png", "the year's monthly cost as a bar chart (PNG)\n",
     "Roadtally.dat 2005 2005.png", ledger_tool::RunChart},
    {"merge", "FILE OTHER [--base BASE] [--dry-run]",
     "brings another copy's entries into FILE in one save; OTHER and BASE are only\n"
     "read. BASE is the copy both last agreed on: what either side added or deleted\n"
     "since is added or deleted, once. Without BASE deletions cannot be known: each\n"
     "entry is kept as often as the copy with more of it holds it. --dry-run lists\n"
     "the entries (+ added, - removed) and writes nothing\n",
     "Roadtally.dat desk.dat --base last.dat", ledger_tool::RunMerge},
    {"help", "", "this text (also --help)\n", "", RunHelp},
};

constexpr char kHelpIntro[] =
    "roadtally-ledger reads and changes a Roadtally data file (text in UTF-8).\n"
    "FUEL is in litres, COST in currency units (won), KM the kilometres driven;\n"
    "ITEM_ID is the expense item (0 refuelling; 'items' lists them all).\n"
    "Values are decimal numbers; COST and FUEL keep two decimals, KM three.\n";

constexpr char kHelpEnd[] =
    "A problem gives one line on standard error and status 1; a command line not\n"
    "understood, status 2. A failed save leaves the old file.\n";

std::string UsageLine(const Command& command) {
  std::string line = std::string("roadtally-ledger ") + command.name;
  if (*command.arguments) line += std::string(" ") + command.arguments;
  return line + "\n";
}

int RunHelp(const ledger_tool::Arguments& args) {
  if (const int misuse = ledger_tool::CheckArity("help", args, {})) return misuse;
  std::string text = "usage:\n";
  for (const Command& command : kCommands) text += "  " + UsageLine(command);
  text += std::string("\n") + kHelpIntro + "\n";
  for (const Command& command : kCommands) {
    text += "  " + UsageLine(command);
    for (std::string_view what = command.what; !what.empty();) {
      const size_t end = what.find('\n') + 1;
      text += "      " + std::string(what.substr(0, end));
      what.remove_prefix(end);
    }
    const std::string example = *command.example ? std::string(" ") + command.example : "";
    text += std::string("      e.g. roadtally-ledger ") + command.name + example + "\n";
  }
  text += std::string("\n") + kHelpEnd;
  return ledger_tool::Say(text);
}

// After the fault's own line: where to read on.
int PointToHelp(const Command* command) {
  if (command) std::fputs(("usage: " + UsageLine(*command)).c_str(), stderr);
  std::fputs("'roadtally-ledger help' lists every command with its units and an example\n", stderr);
  return ledger_tool::kUsage;
}

const Command* Find(std::string_view name) {
  if (name == "--help" || name == "-h") name = "help";
  for (const Command& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("roadtally-ledger: no command given\n", stderr);
    return PointToHelp(nullptr);
  }
  const Command* command = Find(argv[1]);
  if (!command) {
    std::fprintf(stderr, "roadtally-ledger: unknown command '%s'\n", argv[1]);
    return PointToHelp(nullptr);
  }
  const int status = command->run(ledger_tool::Arguments(argv + 2, argv + argc));
  return status == ledger_tool::kUsage ? PointToHelp(command) : status;
}
