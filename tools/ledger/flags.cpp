#include "tools/ledger/flags.h"

#include <algorithm>

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

}  // namespace ledger_tool
