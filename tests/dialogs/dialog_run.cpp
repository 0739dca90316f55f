#include "tests/dialogs/dialog_run.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/platform/host/child_process.h"

namespace dialog_test {

namespace fs = std::filesystem;

std::string DialogRun::Path(const std::string& name) const { return (dir_.path() / name).string(); }

Ended DialogRun::Keypad(const std::string& value, const std::string& script) {
  return Run({"HARNESS_DIALOG=keypad", "HARNESS_VALUE=" + value}, script);
}

Ended DialogRun::Message(unsigned style, const std::string& text, const std::string& script) {
  return Run(
      {"HARNESS_DIALOG=message", "HARNESS_STYLE=" + std::to_string(style), "HARNESS_TEXT=" + text},
      script);
}

Ended DialogRun::Entry(int index, const std::string& script) {
  return Run({"HARNESS_DIALOG=entry", "HARNESS_INDEX=" + std::to_string(index)}, script);
}

// Shots are written into the run's directory: `shot a.png` lands there.
Ended DialogRun::Run(const std::vector<std::string>& environment, const std::string& script) {
  std::ofstream(Path("script.txt")) << script;
  testing_support::ChildProcess child(
      {HARNESS_PATH, "--headless", "--today", "2005-01-20", "--data", Path("Roadtally.dat"),
       "--script", Path("script.txt")},
      environment);
  const auto outcome = child.Wait(std::chrono::seconds(30));
  Ended ended;
  std::istringstream out(outcome.out);
  std::string line;
  while (std::getline(out, line)) {
    if (line.rfind("result=", 0) != 0) continue;
    ended.ended = true;
    const std::size_t value = line.find(" value=");
    ended.result = std::atoi(line.c_str() + 7);
    ended.value = value == std::string::npos ? "" : line.substr(value + 7);
  }
  return ended;
}

res::Image DialogRun::Shot(const std::string& name) const {
  return res::ReadPngFile(Path(name)).value_or(res::Image{});
}

}  // namespace dialog_test
