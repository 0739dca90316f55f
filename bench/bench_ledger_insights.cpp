// `roadtally-ledger stats` on a 1 000 000-record file and `import` of
// 10 000 and 1 000 000 rows, whole process runs, each against its floor
// timed in the same iterations: stats against reading the file and one
// pass over its records, import (of the file's own CSV into a new file)
// against a crash-safe write of the bytes it saves.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "bench/crash_safe_floor.h"
#include "ledger/expense_ledger.h"
#include "tests/support/child_process.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMillion = 1000000;

// The command's exit status, its standard output sent to `output`.
int RunTool(const std::vector<std::string>& command, const std::string& output = "/dev/null") {
  return testing_support::Run(command, {}, output).exitStatus;
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A data file of `count` records, its CSV as the tool writes it, in a
// directory of their own.
struct SampleRecords {
  fs::path dir;
  fs::path data;
  fs::path csv;
  std::string bytes;
  bool ready = false;

  explicit SampleRecords(int count)
      : dir(fs::temp_directory_path() /
            ("rt_bench_insights_" + std::to_string(::getpid()) + "_" + std::to_string(count))),
        data(dir / "Roadtally.dat"),
        csv(dir / "export.csv") {
    fs::create_directories(dir);
    std::mt19937 random(20050308);
    CExpenseLedger ledger;
    if (!ledger.Reserve(count)) return;
    for (int i = 0; i < count; ++i) {
      const auto pick = [&](int n) {
        return static_cast<int>(random() % static_cast<unsigned>(n));
      };
      ledger.Append({static_cast<std::int16_t>(1990 + pick(40)),
                     static_cast<std::int16_t>(1 + pick(12)),
                     static_cast<std::int16_t>(1 + pick(28)), static_cast<std::int16_t>(pick(22)),
                     1 + pick(20000000), pick(8000), pick(900000)});
    }
    ledger.SortByDate();
    std::wstring device;
    for (wchar_t c : data.wstring()) device += c == L'/' ? L'\\' : c;
    ready = ledger.Save(device.c_str()) &&
            RunTool({LEDGER_TOOL, "csv", data.string()}, csv.string()) == 0;
    bytes = Slurp(data);
  }
  ~SampleRecords() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
};

const SampleRecords& Sample(int count) {
  static std::map<int, SampleRecords> samples;
  return samples.try_emplace(count, count).first->second;
}

template <class Action>
double SecondsOf(Action&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The least stats can do: the file read whole, then every record's cost
// and distance summed once.
long long ReadAndPass(const fs::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return -1;
  std::vector<unsigned char> bytes(fs::file_size(path));
  const size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  long long sum = 0;
  for (size_t at = 24; at + 20 <= read; at += 20) {
    ExpenseRecord r;
    std::memcpy(&r, bytes.data() + at, sizeof r);
    sum += r.cost + (r.distance < 0 ? -static_cast<long long>(r.distance) : r.distance) + r.fuel;
  }
  return sum;
}

void BM_LedgerToolStats(benchmark::State& state) {
  const SampleRecords& sample = Sample(kMillion);
  if (!sample.ready) return state.SkipWithError("cannot make the sample");
  const std::vector<std::string> stats = {LEDGER_TOOL, "stats", sample.data.string(), "2005"};
  // The tool's month command loads the same file the same way: what any
  // command of a fresh process pays before it looks at a record.
  const std::vector<std::string> month = {LEDGER_TOOL, "month", sample.data.string(), "2005", "1"};
  const std::vector<std::string> floorProcess = {FLOOR_PROCESS, "read-pass", sample.data.string()};
  double floor = 0;
  double processFloor = 0;
  double flow = 0;
  double load = 0;
  for (auto _ : state) {
    floor += SecondsOf([&] { benchmark::DoNotOptimize(ReadAndPass(sample.data)); });
    int status = -1;
    processFloor += SecondsOf([&] { status = RunTool(floorProcess); });
    flow += SecondsOf([&] { status = RunTool(stats); });
    load += SecondsOf([&] { status |= RunTool(month); });
    if (status != 0) return state.SkipWithError("the tool failed");
  }
  state.counters["floor"] = floor / static_cast<double>(state.iterations());
  state.counters["x_floor"] = flow / floor;
  state.counters["process_floor"] = processFloor / static_cast<double>(state.iterations());
  state.counters["x_process_floor"] = flow / processFloor;
  state.counters["x_month"] = flow / load;
}
BENCHMARK(BM_LedgerToolStats)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_LedgerToolImport(benchmark::State& state) {
  const SampleRecords& sample = Sample(static_cast<int>(state.range(0)));
  if (!sample.ready) return state.SkipWithError("cannot make the sample");
  const fs::path target = sample.dir / "imported.dat";
  const std::vector<std::string> import = {LEDGER_TOOL, "import", target.string(),
                                           sample.csv.string()};
  bench::FloorRatio ratio;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(target);
    const bool floorWritten =
        ratio.TimeFloor(target, sample.bytes) &&
        ratio.TimeFloorProcess({FLOOR_PROCESS, "copy-safe", sample.data.string(),
                                (sample.dir / "floor.dat").string()});
    state.ResumeTiming();
    if (!floorWritten) return state.SkipWithError("cannot write the floor");
    if (!ratio.TimeFlow([&] { return RunTool(import) == 0; })) {
      return state.SkipWithError("the tool failed");
    }
  }
  if (Slurp(target) != sample.bytes)
    return state.SkipWithError("the import is not the file exported");
  ratio.Report(state);
}
// A lifetime of entries, timed often enough for its few milliseconds; and
// a million rows.
BENCHMARK(BM_LedgerToolImport)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(30);
BENCHMARK(BM_LedgerToolImport)
    ->Arg(kMillion)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
