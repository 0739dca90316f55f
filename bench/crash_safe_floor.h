// The program's saves held against the least a crash-safe save can cost
// (crash_safe_write.h), timed side by side.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/crash_safe_write.h"

namespace bench {

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
