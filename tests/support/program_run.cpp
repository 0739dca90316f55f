#include "tests/support/program_run.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace testing_support {
namespace {

Ended Open(ProgramRun& harness, const std::vector<std::string>& environment,
           const std::string& script) {
  const Outcome outcome = harness.Drive("2005-01-20", script, "", environment);
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

}  // namespace

ProgramRun::ProgramRun(std::string program) : program_(std::move(program)) {}

std::string ProgramRun::Path(const std::string& name) const {
  return (dir_.path() / name).string();
}

void ProgramRun::WriteRecords(const std::vector<ExpenseRecord>& records) {
  ledger_test::WriteBytes(Path("Roadtally.dat"), ledger_test::FileOf(records));
}

Outcome ProgramRun::Drive(const std::string& today, const std::string& script,
                          const std::string& data, const std::vector<std::string>& environment) {
  std::ofstream resolved(Path("script.txt"));
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);)
    resolved << (line.starts_with("shot ") ? "shot " + Path(line.substr(5)) : line) << '\n';
  resolved.close();
  return Run({program_, "--headless", "--today", today, "--data",
              data.empty() ? Path("Roadtally.dat") : data, "--script", Path("script.txt")},
             environment, "", std::chrono::seconds(30));
}

res::Image ProgramRun::Shot(const std::string& name) const {
  return res::ReadPngFile(Path(name)).value_or(res::Image{});
}

bool AppearsWithin(const std::string& path, std::chrono::milliseconds limit) {
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;
       std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
    if (std::filesystem::exists(path)) return true;
  }
  return false;
}

Ended Keypad(ProgramRun& harness, const std::string& value, const std::string& script) {
  return Open(harness, {"HARNESS_DIALOG=keypad", "HARNESS_VALUE=" + value}, script);
}

Ended Message(ProgramRun& harness, unsigned style, const std::string& text,
              const std::string& script) {
  return Open(
      harness,
      {"HARNESS_DIALOG=message", "HARNESS_STYLE=" + std::to_string(style), "HARNESS_TEXT=" + text},
      script);
}

Ended Entry(ProgramRun& harness, int index, const std::string& script) {
  return Open(harness, {"HARNESS_DIALOG=entry", "HARNESS_INDEX=" + std::to_string(index)}, script);
}

}  // namespace testing_support
