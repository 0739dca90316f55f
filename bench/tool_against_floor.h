// A ledger tool command on the 100 000-record sample, run as a process
// and timed against the crash-safe floors (crash_safe_floor.h).
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/sample_ledger.h"

namespace bench {

// In every iteration: the sample restored and the floors timed (the
// floor process writing beside it), then the command timed; it must
// exit 0. `saved` is what the floor writes. Reports FloorRatio's counters.
void ToolAgainstFloors(benchmark::State& state, const SampleLedger& sample,
                       const std::string& saved, const std::vector<std::string>& command);

}  // namespace bench
