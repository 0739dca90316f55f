// A dialog's flow that saves the sample ledger, held against the floor of
// a crash-safe save. Each iteration puts the sample back (untimed), writes
// the floor with the bytes the flow saves (taken from a first run of it),
// then times the flow. Counters as FloorRatio's; the benchmark should use
// real time, as the saves wait for the disk.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace bench {

void RunSaveAgainstFloor(benchmark::State& state, const std::string& script,
                         const std::function<bool()>& run);

}  // namespace bench
