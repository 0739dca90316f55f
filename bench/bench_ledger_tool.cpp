// `roadtally-ledger add` on the 100 000-record sample, a whole process run
// (start, lock, read, sort in, save, leftovers check), against the floor of
// a crash-safe write of the same bytes timed in the same iterations, in
// this process and as a process of its own that first reads the file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/crash_safe_floor.h"
#include "bench/sample_ledger.h"
#include "bench/tool_process.h"

namespace {

using bench::RunTool;

void BM_LedgerToolAdd(benchmark::State& state) {
  const bench::SampleLedger& sample = bench::SampleLedger::Get();
  const std::vector<std::string> add = {
      LEDGER_TOOL, "add", sample.Path().string(), "2005-01-20", "0", "31.5", "52000", "412.3"};
  if (!sample.Restore() || RunTool(add) != 0) return state.SkipWithError("cannot run the tool");
  const std::string saved = sample.Bytes();
  const std::string floorTarget = (sample.Path().parent_path() / "floor.dat").string();
  const std::vector<std::string> floorProcess = {FLOOR_PROCESS, "copy-safe", sample.Path().string(),
                                                 floorTarget};
  bench::FloorRatio ratio;
  for (auto _ : state) {
    state.PauseTiming();
    const bool ready = sample.Restore() && ratio.TimeFloor(sample.Path(), saved) &&
                       ratio.TimeFloorProcess(floorProcess);
    state.ResumeTiming();
    if (!ready) return state.SkipWithError("cannot write the sample or the floor");
    if (!ratio.TimeFlow([&] { return RunTool(add) == 0; }))
      return state.SkipWithError("the tool failed");
  }
  ratio.Report(state);
}
BENCHMARK(BM_LedgerToolAdd)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
