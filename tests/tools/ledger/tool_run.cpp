#include "tests/tools/ledger/tool_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/platform/host/built_program.h"

namespace ledger_test {

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

[[noreturn]] void ExecTool(const std::vector<char*>& argv, const std::string& out,
                           const std::string& err) {
  const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(127);
  // By PATH, for an emulator named without its directory.
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& args, const std::filesystem::path& scratch) {
  return RunToolAt(LEDGER_TOOL, args, scratch);
}

ToolResult RunToolAt(const std::filesystem::path& tool, const std::vector<std::string>& args,
                     const std::filesystem::path& scratch) {
  const std::string out = (scratch / "tool.out").string();
  const std::string err = (scratch / "tool.err").string();
  // Made before the fork, so the child only opens, duplicates and execs.
  std::vector<std::string> command = {tool.string()};
  command.insert(command.end(), args.begin(), args.end());
  command = testing_support::BuiltProgramCommand(command);
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) ExecTool(argv, out, err);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return {-1, "", ""};
  ToolResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return result;
}

}  // namespace ledger_test
