// What a command says when its command line is not understood: the fault
// first, in one line; main then shows the command's usage.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "tools/ledger/commands.h"

namespace ledger_tool {

// "roadtally-ledger: <command>: <what>" on standard error; returns kUsage.
int Misuse(std::string_view command, const std::string& what);

// 0 when args are the named arguments, of which the last `optional` may
// be left out; otherwise Misuse with the first missing names ("missing
// KM") or the first argument too many.
int CheckArity(std::string_view command, const Arguments& args,
               std::initializer_list<std::string_view> names, std::size_t optional = 0);

}  // namespace ledger_tool
