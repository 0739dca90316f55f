#include "bench/crash_safe_floor.h"

#include <chrono>

#include "bench/crash_safe_write.h"
#include "tests/support/child_process.h"

namespace bench {
namespace {

template <class Action>
double SecondsOf(Action&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

bool FloorRatio::TimeFloor(const std::filesystem::path& near, const std::string& bytes) {
  bool written = false;
  floorSeconds_ +=
      SecondsOf([&] { written = WriteCrashSafe(near.parent_path() / "floor.dat", bytes); });
  return written;
}

bool FloorRatio::TimeFloorProcess(const std::vector<std::string>& args) {
  int status = -1;
  processFloorSeconds_ += SecondsOf([&] { status = testing_support::Run(args).exitStatus; });
  return status == 0;
}

bool FloorRatio::TimeFlow(const std::function<bool()>& flow) {
  bool result = false;
  flowSeconds_ += SecondsOf([&] { result = flow(); });
  return result;
}

void FloorRatio::Report(benchmark::State& state) const {
  if (floorSeconds_ <= 0) return;
  state.counters["floor"] = benchmark::Counter(floorSeconds_, benchmark::Counter::kAvgIterations);
  state.counters["x_floor"] = flowSeconds_ / floorSeconds_;
  if (processFloorSeconds_ <= 0) return;
  state.counters["process_floor"] =
      benchmark::Counter(processFloorSeconds_, benchmark::Counter::kAvgIterations);
  state.counters["x_process_floor"] = flowSeconds_ / processFloorSeconds_;
}

}  // namespace bench
