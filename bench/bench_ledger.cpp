// The ledger's file and search costs against their floor: the same bytes
// read into memory and sorted with std::sort (or, for a file saved in
// order, only checked), and written with one write and one fsync.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ledger/expense_ledger.h"
#include "platform/win/files.h"

namespace {

namespace fs = std::filesystem;

fs::path BenchDir() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("rt_bench_ledger_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

std::wstring DevicePath(const fs::path& path) {
  std::wstring out;
  for (wchar_t c : path.wstring()) out += c == L'/' ? L'\\' : c;
  return out;
}

// A saved, date-sorted ledger of count records spread over 40 years.
std::wstring SampleFile(int count) {
  const fs::path host = BenchDir() / ("ledger_" + std::to_string(count) + ".dat");
  const std::wstring path = DevicePath(host);
  if (fs::exists(host)) return path;
  std::mt19937 random(count);
  CExpenseLedger ledger;
  for (int i = 0; i < count; ++i) {
    ledger.Append(ExpenseRecord{
        static_cast<std::int16_t>(1990 + random() % 40),
        static_cast<std::int16_t>(1 + random() % 12), static_cast<std::int16_t>(1 + random() % 28),
        static_cast<std::int16_t>(random() % 22), static_cast<std::int32_t>(random() % 10000000),
        static_cast<std::int32_t>(random() % 10000),
        static_cast<std::int32_t>(random() % 1000000)});
  }
  ledger.SortByDate();
  ledger.Save(path.c_str());
  return path;
}

void LoadAndSort(benchmark::State& state) {
  const std::wstring path = SampleFile(static_cast<int>(state.range(0)));
  CExpenseLedger ledger;
  for (auto _ : state) {
    ledger.Load(path.c_str());
    benchmark::DoNotOptimize(ledger.m_pRecords);
  }
}

void FloorReadAndSort(benchmark::State& state) {
  const std::string host = HostPathFromDevice(SampleFile(static_cast<int>(state.range(0))).c_str());
  for (auto _ : state) {
    FILE* file = std::fopen(host.c_str(), "rb");
    std::vector<unsigned char> bytes(fs::file_size(host));
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    auto* records = reinterpret_cast<ExpenseRecord*>(bytes.data() + 24);
    std::sort(
        records, records + state.range(0),
        [](const ExpenseRecord& a, const ExpenseRecord& b) { return DateKey(a) < DateKey(b); });
    benchmark::DoNotOptimize(bytes.data());
  }
}

template <class Action>
double SecondsOf(Action&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The least a load of a file saved in date order can do: read the bytes
// and see that they are in order.
bool ReadAndCheckOrder(const std::string& host, std::vector<unsigned char>& bytes) {
  FILE* file = std::fopen(host.c_str(), "rb");
  if (!file) return false;
  bytes.resize(fs::file_size(host));
  const size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  const auto* records = reinterpret_cast<const ExpenseRecord*>(bytes.data() + 24);
  const size_t count = (read - 24) / sizeof(ExpenseRecord);
  return std::is_sorted(
      records, records + count, [](const ExpenseRecord& a, const ExpenseRecord& b) {
        return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
      });
}

// A sorted file's load and its floor timed in the same iterations.
void LoadSortedAgainstFloor(benchmark::State& state) {
  const std::wstring path = SampleFile(static_cast<int>(state.range(0)));
  const std::string host = HostPathFromDevice(path.c_str());
  CExpenseLedger ledger;
  std::vector<unsigned char> bytes;
  double load = 0;
  double floor = 0;
  for (auto _ : state) {
    load += SecondsOf([&] { ledger.Load(path.c_str()); });
    bool sorted = false;
    floor += SecondsOf([&] { sorted = ReadAndCheckOrder(host, bytes); });
    if (!sorted || ledger.m_nCount != state.range(0)) return state.SkipWithError("not the sample");
  }
  state.counters["floor"] = benchmark::Counter(floor, benchmark::Counter::kAvgIterations);
  state.counters["x_floor"] = load / floor;
}

void Save(benchmark::State& state) {
  CExpenseLedger ledger;
  ledger.Load(SampleFile(static_cast<int>(state.range(0))).c_str());
  const std::wstring target = DevicePath(BenchDir() / "saved.dat");
  for (auto _ : state) benchmark::DoNotOptimize(ledger.Save(target.c_str()));
}

void FloorWriteFsync(benchmark::State& state) {
  const std::string host = HostPathFromDevice(SampleFile(static_cast<int>(state.range(0))).c_str());
  std::vector<unsigned char> bytes(fs::file_size(host));
  FILE* file = std::fopen(host.c_str(), "rb");
  benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  const std::string target = (BenchDir() / "floor.dat").string();
  for (auto _ : state) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
  }
}

void FindFirstOfMonth(benchmark::State& state) {
  CExpenseLedger ledger;
  ledger.Load(SampleFile(static_cast<int>(state.range(0))).c_str());
  std::mt19937 random(7);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ledger.FindFirstOfMonth(1990 + static_cast<int>(random() % 40),
                                                     1 + static_cast<int>(random() % 12)));
  }
}

}  // namespace

BENCHMARK(LoadAndSort)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadSortedAgainstFloor)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FloorReadAndSort)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(FloorWriteFsync)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindFirstOfMonth)->Arg(10000)->Arg(100000)->Arg(1000000);
