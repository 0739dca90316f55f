// A command's command line: its options taken out of the arguments, so
// that what stays is its positional arguments, and what it says when the
// line is not understood (the fault first, in one line; main then shows
// the command's usage).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "tools/ledger/commands.h"

namespace ledger_tool {

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
