// The ledger tool run as a separate process, as a driver runs it.
#pragma once

#include <string>
#include <vector>

namespace bench {

// args[0] is the program. Standard output goes to outputPath (truncated)
// when one is given. The exit status, or -1 when it did not run or end
// normally.
int RunTool(const std::vector<std::string>& args, const std::string& outputPath = "");

}  // namespace bench
