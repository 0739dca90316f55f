#include "tests/platform/host/built_program.h"

#include <iterator>
#include <sstream>

namespace testing_support {

std::vector<std::string> BuiltProgramCommand(const std::vector<std::string>& argv) {
  // The emulator's words, separated by spaces; empty in a native build.
  std::istringstream emulator(ROADTALLY_TEST_EMULATOR);
  std::vector<std::string> command{std::istream_iterator<std::string>(emulator), {}};
  command.insert(command.end(), argv.begin(), argv.end());
  return command;
}

}  // namespace testing_support
