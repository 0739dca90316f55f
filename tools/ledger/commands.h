// The ledger tool's commands. Each takes the arguments after its name and
// returns the process exit status. Options are taken out of the arguments
// first, so that what stays is the positional arguments; a line not
// understood gets its fault in one line (main then shows the usage).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
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

// True, and the flag removed, when args holds it (once or more).
bool TakeFlag(Arguments& args, const std::string& flag);
// The value after the option, both removed. nullopt when the option is
// absent; an empty string when it ends the line (a usage error).
std::optional<std::string> TakeOption(Arguments& args, const std::string& option);

// "roadtally-ledger: <command>: <what>" on standard error; returns kUsage.
int Misuse(std::string_view command, const std::string& what);

// 0 when args are the named arguments, of which the last `optional` may
// be left out; otherwise Misuse with the first missing names ("missing
// KM") or the first argument too many.
int CheckArity(std::string_view command, const Arguments& args,
               std::initializer_list<std::string_view> names, std::size_t optional = 0);

}  // namespace ledger_tool
