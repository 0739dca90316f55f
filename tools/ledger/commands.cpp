#include "tools/ledger/commands.h"

#include <algorithm>
#include <cstdio>

#include "tools/ledger/tool_io.h"

namespace ledger_tool {

bool TakeFlag(Arguments& args, const std::string& flag) {
  const auto kept = std::remove(args.begin(), args.end(), flag);
  const bool found = kept != args.end();
  args.erase(kept, args.end());
  return found;
}

std::optional<std::string> TakeOption(Arguments& args, const std::string& option) {
  const auto at = std::find(args.begin(), args.end(), option);
  if (at == args.end()) return std::nullopt;
  if (at + 1 == args.end()) {
    args.erase(at);
    return std::string();
  }
  std::string value = at[1];
  args.erase(at, at + 2);
  return value;
}

int Misuse(std::string_view command, const std::string& what) {
  std::fprintf(stderr, "roadtally-ledger: %.*s: %s\n", static_cast<int>(command.size()),
               command.data(), what.c_str());
  return kUsage;
}

int CheckArity(std::string_view command, const Arguments& args,
               std::initializer_list<std::string_view> names, std::size_t optional) {
  if (args.size() > names.size())
    return Misuse(command, "unexpected argument '" + args[names.size()] + "'");
  if (args.size() + optional >= names.size()) return 0;
  std::string missing = "missing";
  for (auto name = names.begin() + args.size(); name != names.end() - optional; ++name)
    missing += " " + std::string(*name);
  return Misuse(command, missing);
}

}  // namespace ledger_tool
