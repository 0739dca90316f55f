// roadtally-ledger: reads and changes a Roadtally data file without the
// device, through the same ledger code the program uses.
#include <cstdio>
#include <cstring>

#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"

namespace {

constexpr char kUsageText[] =
    "usage: roadtally-ledger show FILE\n"
    "       roadtally-ledger month FILE YEAR MONTH\n"
    "       roadtally-ledger csv FILE\n"
    "       roadtally-ledger add FILE YYYY-MM-DD ITEM_ID FUEL COST KM\n"
    "       roadtally-ledger remove FILE INDEX\n";

struct Command {
  const char* name;
  int (*run)(const ledger_tool::Arguments&);
};

constexpr Command kCommands[] = {
    {"show", ledger_tool::RunShow}, {"month", ledger_tool::RunMonth}, {"csv", ledger_tool::RunCsv},
    {"add", ledger_tool::RunAdd},   {"remove", ledger_tool::RunRemove},
};

int Usage() {
  std::fputs(kUsageText, stderr);
  return ledger_tool::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsageText, stdout);
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
