// Runs a program as a child process with its standard streams on pipes,
// for tests and benchmarks that drive whole executables: the program, the
// ledger tool, the X server and the tools a test calls on.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/unique_fd.h"

namespace testing_support {

class ChildProcess {
 public:
  struct Result {
    bool exited = false;  // false: killed, by a signal or at the time limit
    int exitStatus = -1;
    std::string out;
    std::string err;
  };

  // Where the program comes from: this build (for the build's target
  // machine, so emulated in a cross build) or the machine running the tests.
  enum class Origin { kThisBuild, kSystem };

  // Starts argv[0] with argv; `environment` entries "NAME=value" are added
  // to (or replace those of) this process's environment. Standard output
  // goes to `outputFile` (truncated) when one is named, and is not collected.
  ChildProcess(const std::vector<std::string>& argv,
               const std::vector<std::string>& environment = {}, Origin origin = Origin::kThisBuild,
               const std::string& outputFile = "");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  void WriteInput(const std::string& text);
  void CloseInput();
  // Whether the child has read everything written to its input so far
  // (the pipe is empty) within `limit`.
  bool InputTaken(std::chrono::milliseconds limit);

  // The next line of standard output (without its newline), if one comes in time.
  std::optional<std::string> ReadLine(std::chrono::milliseconds limit);

  // Closes the input, collects all output and the exit status; kills the
  // child if it has not ended within `limit`.
  Result Wait(std::chrono::milliseconds limit);

  // Whether the child ends within `limit`; it keeps running otherwise.
  bool EndsWithin(std::chrono::milliseconds limit);

  void Signal(int signal);

 private:
  bool ReadSome(std::chrono::steady_clock::time_point deadline);

  pid_t pid_ = -1;
  std::optional<int> status_;  // once the child was seen to end
  host::UniqueFd input_;
  host::UniqueFd output_;
  host::UniqueFd errors_;
  std::string outBuffer_;
  std::string errBuffer_;
};

// Runs a program of this build to its end, with no input (killed at the
// limit); its standard output goes to `outputFile` when one is named.
ChildProcess::Result Run(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment = {},
                         const std::string& outputFile = "",
                         std::chrono::milliseconds limit = std::chrono::minutes(2));

// The command line that starts a program this build made. In a cross build
// the program is for another machine, so it runs under the build's
// emulator, as the tests themselves do; in a native build it is argv itself.
std::vector<std::string> BuiltProgramCommand(const std::vector<std::string>& argv);

}  // namespace testing_support
