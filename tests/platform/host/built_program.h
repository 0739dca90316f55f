// The command line that starts a program this build made. In a cross build
// the program is for another machine, so it runs under the build's emulator,
// as the tests themselves do; in a native build it is the program itself.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

std::vector<std::string> BuiltProgramCommand(const std::vector<std::string>& argv);

}  // namespace testing_support
