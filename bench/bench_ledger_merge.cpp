// `roadtally-ledger merge` of two 100 000-record copies against the copy
// both had, a whole process run (start, lock, three files read, merged,
// saved), against the crash-safe floor process of bench_ledger_tool timed
// in the same iterations. The other copy changed every n-th entry (the
// argument: 1000, a few days differ; 7, nearly every day does) and gained
// 100 of its own, so the merge both adds and removes.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/crash_safe_write.h"
#include "bench/sample_ledger.h"
#include "bench/tool_against_floor.h"
#include "ledger/ledger_file.h"

namespace {

constexpr std::size_t kRecordsAt = kHeaderSize;
constexpr std::size_t kRecordSize = sizeof(ExpenseRecord);

// The sample's bytes with every n-th record's cost changed and 100 new
// records on its last day, header counted anew.
std::string OtherCopy(const std::string& sample, std::size_t n) {
  std::string records = sample.substr(kRecordsAt);
  for (std::size_t at = (n - 1) * kRecordSize; at < records.size(); at += n * kRecordSize) {
    ExpenseRecord changed;
    records.copy(reinterpret_cast<char*>(&changed), kRecordSize, at);
    ++changed.cost;
    records.replace(at, kRecordSize, reinterpret_cast<const char*>(&changed), kRecordSize);
  }
  ExpenseRecord last{};
  sample.copy(reinterpret_cast<char*>(&last), kRecordSize, sample.size() - kRecordSize);
  for (int i = 0; i < 100; ++i) {
    ExpenseRecord added = last;
    added.cost = 7000000 + i;
    records.append(reinterpret_cast<const char*>(&added), kRecordSize);
  }
  const LedgerHeader header = EncodeLedgerHeader(static_cast<int>(records.size() / kRecordSize));
  return std::string(header.begin(), header.end()) + records;
}

void BM_LedgerToolMerge(benchmark::State& state) {
  const bench::SampleLedger& sample = bench::SampleLedger::Get();
  if (!sample.Restore()) return state.SkipWithError("cannot write the sample");
  const std::string original = sample.Bytes();
  const auto dir = sample.Path().parent_path();
  const std::string other = (dir / "other.dat").string();
  const std::string base = (dir / "base.dat").string();
  if (!bench::WriteCrashSafe(other,
                             OtherCopy(original, static_cast<std::size_t>(state.range(0)))) ||
      !bench::WriteCrashSafe(base, original))
    return state.SkipWithError("cannot write the copies");
  bench::ToolAgainstFloors(state, sample, original,
                           {LEDGER_TOOL, "merge", sample.Path().string(), other, "--base", base});
}
BENCHMARK(BM_LedgerToolMerge)->Arg(1000)->Arg(7)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
