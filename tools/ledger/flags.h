// Options of the ledger tool's commands, taken out of the arguments so
// that what stays is the command's positional arguments.
#pragma once

#include <optional>
#include <string>

#include "tools/ledger/commands.h"

namespace ledger_tool {

// True, and the flag removed, when args holds it (once or more).
bool TakeFlag(Arguments& args, const std::string& flag);
// The value after the option, both removed. nullopt when the option is
// absent; an empty string when it ends the line (a usage error).
std::optional<std::string> TakeOption(Arguments& args, const std::string& option);

}  // namespace ledger_tool
