// The loop of a dialog benchmark: each iteration sets up untimed, plays the
// script, and times one run of a dialog's modal loop over it. A run that
// did not take its script whole would measure something else, so it stops
// the benchmark with the reason.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace bench {

// `prepare` runs untimed before each run and returns what went wrong, or
// nothing; `run` opens the dialog and returns, when its modal loop has
// ended, whether it ended as the script means it to (its result, the data
// it changed).
void RunModal(benchmark::State& state, const std::string& script,
              const std::function<std::string()>& prepare, const std::function<bool()>& run);

// The same without a set-up.
void RunModal(benchmark::State& state, const std::string& script, const std::function<bool()>& run);

// `line` (ending in a newline) `times` times over.
std::string Repeat(const std::string& line, int times);

// Runs of `count` steps (the script `steps`): each iteration times the
// dialog over the steps and its `closing` line, and, untimed, over the
// closing line alone. The counter "per_step" is the CPU time of one step:
// the difference of the two shared out over the steps, so opening and
// closing the dialog are left out of it. `run` is checked on the whole
// run only.
void RunSteps(benchmark::State& state, const std::string& steps, int count,
              const std::string& closing, const std::function<bool()>& run);

}  // namespace bench
