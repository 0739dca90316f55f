#include "bench/tool_against_floor.h"

#include "bench/crash_safe_floor.h"
#include "tests/support/child_process.h"

namespace bench {

void ToolAgainstFloors(benchmark::State& state, const SampleLedger& sample,
                       const std::string& saved, const std::vector<std::string>& command) {
  const std::string floorTarget = (sample.Path().parent_path() / "floor.dat").string();
  const std::vector<std::string> floorProcess = {FLOOR_PROCESS, "copy-safe", sample.Path().string(),
                                                 floorTarget};
  FloorRatio ratio;
  for (auto _ : state) {
    state.PauseTiming();
    const bool ready = sample.Restore() && ratio.TimeFloor(sample.Path(), saved) &&
                       ratio.TimeFloorProcess(floorProcess);
    state.ResumeTiming();
    if (!ready) return state.SkipWithError("cannot write the sample or the floor");
    if (!ratio.TimeFlow(
            [&] { return testing_support::Run(command, {}, "/dev/null").exitStatus == 0; }))
      return state.SkipWithError("the tool failed");
  }
  ratio.Report(state);
}

}  // namespace bench
