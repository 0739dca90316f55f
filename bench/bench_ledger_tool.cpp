// `roadtally-ledger add` on the 100 000-record sample, a whole process run
// (start, lock, read, sort in, save, leftovers check), against the floor of
// a crash-safe write of the same bytes timed in the same iterations.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "bench/crash_safe_floor.h"
#include "bench/sample_ledger.h"

extern char** environ;

namespace {

// The exit status, or -1 when it did not run or end normally.
int RunTool(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

void BM_LedgerToolAdd(benchmark::State& state) {
  const bench::SampleLedger& sample = bench::SampleLedger::Get();
  const std::vector<std::string> add = {LEDGER_TOOL, "add", sample.Path().string(), "2005-01-20", "0",
                                        "31.5", "52000", "412.3"};
  if (!sample.Restore() || RunTool(add) != 0) return state.SkipWithError("cannot run the tool");
  const std::string saved = sample.Bytes();
  bench::FloorRatio ratio;
  for (auto _ : state) {
    state.PauseTiming();
    const bool ready = sample.Restore() && ratio.TimeFloor(sample.Path(), saved);
    state.ResumeTiming();
    if (!ready) return state.SkipWithError("cannot write the sample or the floor");
    if (!ratio.TimeFlow([&] { return RunTool(add) == 0; })) return state.SkipWithError("the tool failed");
  }
  ratio.Report(state);
}
BENCHMARK(BM_LedgerToolAdd)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
