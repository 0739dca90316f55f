#include "bench/save_against_floor.h"

#include "bench/crash_safe_floor.h"
#include "bench/modal_run.h"
#include "bench/sample_ledger.h"
#include "tests/support/script_host.h"

namespace bench {

void RunSaveAgainstFloor(benchmark::State& state, const std::string& script,
                         const std::function<bool()>& run) {
  const SampleLedger& sample = SampleLedger::Get();
  if (!sample.Restore()) return state.SkipWithError("cannot write the sample ledger");
  testing_support::ScriptHost::Installed().Play(script);
  run();
  const std::string saved = sample.Bytes();
  FloorRatio ratio;
  const auto restoreAndFloor = [&] {
    if (!sample.Restore()) return std::string("cannot write the sample ledger");
    return ratio.TimeFloor(sample.Path(), saved) ? std::string() : "cannot write the floor";
  };
  RunModal(state, script, restoreAndFloor, [&] { return ratio.TimeFlow(run); });
  ratio.Report(state);
}

}  // namespace bench
