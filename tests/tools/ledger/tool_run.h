// Runs the ledger tool as a separate process and collects what it says.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ledger_test {

struct ToolResult {
  int status;  // exit status; -1 if it did not exit normally
  std::string out;
  std::string err;
};

// scratch receives the captured output files.
ToolResult RunTool(const std::vector<std::string>& args, const std::filesystem::path& scratch);
// The same with another copy of the tool.
ToolResult RunToolAt(const std::filesystem::path& tool, const std::vector<std::string>& args,
                     const std::filesystem::path& scratch);

}  // namespace ledger_test
