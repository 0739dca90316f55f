// `roadtally-ledger add` on the 100 000-record sample, a whole process run
// (start, lock, read, sort in, save, leftovers check), against the floor of
// a crash-safe write of the same bytes timed in the same iterations, in
// this process and as a process of its own that first reads the file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/sample_ledger.h"
#include "bench/tool_against_floor.h"
#include "tests/support/child_process.h"

namespace {

void BM_LedgerToolAdd(benchmark::State& state) {
  const bench::SampleLedger& sample = bench::SampleLedger::Get();
  const std::vector<std::string> add = {
      LEDGER_TOOL, "add", sample.Path().string(), "2005-01-20", "0", "31.5", "52000", "412.3"};
  if (!sample.Restore() || testing_support::Run(add).exitStatus != 0)
    return state.SkipWithError("cannot run the tool");
  bench::ToolAgainstFloors(state, sample, sample.Bytes(), add);
}
BENCHMARK(BM_LedgerToolAdd)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
