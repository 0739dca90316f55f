#include "bench/modal_run.h"

#include <time.h>

#include "tests/support/script_host.h"

namespace bench {
namespace {

// The calling thread's CPU time, as the benchmarks' CPU column counts it.
double ThreadCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <class Action>
double CpuSecondsOf(Action&& action) {
  const double start = ThreadCpuSeconds();
  action();
  return ThreadCpuSeconds() - start;
}

}  // namespace

void RunModal(benchmark::State& state, const std::string& script,
              const std::function<std::string()>& prepare, const std::function<bool()>& run) {
  testing_support::ScriptHost& host = testing_support::ScriptHost::Installed();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string unprepared = prepare();
    if (!unprepared.empty()) {
      state.ResumeTiming();
      state.SkipWithError(unprepared.c_str());
      break;
    }
    host.Play(script);
    state.ResumeTiming();
    const bool asMeant = run();
    state.PauseTiming();
    std::string problem = host.Finish();
    if (problem.empty() && !asMeant) problem = "the dialog did not end as its script means";
    state.ResumeTiming();
    if (!problem.empty()) {
      state.SkipWithError(problem.c_str());
      break;
    }
  }
}

void RunModal(benchmark::State& state, const std::string& script,
              const std::function<bool()>& run) {
  RunModal(
      state, script, [] { return std::string(); }, run);
}

std::string Repeat(const std::string& line, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += line;
  return all;
}

void RunSteps(benchmark::State& state, const std::string& steps, int count,
              const std::string& closing, const std::function<bool()>& run) {
  testing_support::ScriptHost& host = testing_support::ScriptHost::Installed();
  double closingAlone = 0, whole = 0;
  const auto closeAlone = [&] {
    host.Play(closing);
    closingAlone += CpuSecondsOf(run);
    const std::string problem = host.Finish();
    return problem.empty() ? problem : "closing alone: " + problem;
  };
  RunModal(state, steps + closing, closeAlone, [&] {
    bool asMeant = false;
    whole += CpuSecondsOf([&] { asMeant = run(); });
    return asMeant;
  });
  state.counters["per_step"] =
      benchmark::Counter((whole - closingAlone) / count, benchmark::Counter::kAvgIterations);
}

}  // namespace bench
