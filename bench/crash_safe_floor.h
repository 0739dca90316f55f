// The least a crash-safe save can cost, to hold the program's saves
// against: the same bytes written to a temporary file in the same
// directory, synced, renamed over the target, and the directory synced.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// False when any step failed.
bool WriteCrashSafe(const std::filesystem::path& target, std::string_view bytes);

// Real time of a save flow and of the floor, taken in the same iterations
// so both see the same load on the machine.
class FloorRatio {
 public:
  // Writes the floor beside `near` (to a file of its own) and times it.
  bool TimeFloor(const std::filesystem::path& near, const std::string& bytes);
  // Times a process that does the least the flow's process could (see
  // floor_process.cpp); false when it failed.
  bool TimeFloorProcess(const std::vector<std::string>& args);
  // Times the flow; returns what it returns.
  bool TimeFlow(const std::function<bool()>& flow);
  // Counters: "floor", the floor's mean seconds an iteration, and
  // "x_floor", the flow's time over the floor's; with a floor process,
  // "process_floor" and "x_process_floor" the same against it.
  void Report(benchmark::State& state) const;

 private:
  double floorSeconds_ = 0;
  double processFloorSeconds_ = 0;
  double flowSeconds_ = 0;
};

}  // namespace bench
