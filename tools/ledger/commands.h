// The ledger tool's commands. Each takes the arguments after its name and
// returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace ledger_tool {

using Arguments = std::vector<std::string>;

int RunShow(const Arguments& args);
int RunCsv(const Arguments& args);
int RunMonth(const Arguments& args);
int RunAdd(const Arguments& args);
int RunRemove(const Arguments& args);
int RunItems(const Arguments& args);
int RunStats(const Arguments& args);
int RunLast(const Arguments& args);
int RunImport(const Arguments& args);
int RunChart(const Arguments& args);
int RunMerge(const Arguments& args);

}  // namespace ledger_tool
