#include "bench/sample_ledger.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "bench/crash_safe_floor.h"
#include "ledger/expense_items.h"
#include "ledger/expense_ledger.h"
#include "ledger/ledger_file.h"

namespace bench {
namespace {

constexpr int kFirstYear = 1990;
constexpr int kMonths = 40 * 12;
constexpr int kSampleMonthIndex =
    (SampleLedger::kYear - kFirstYear) * 12 + SampleLedger::kMonth - 1;

ExpenseRecord Record(int monthIndex, int day, int i) {
  return ExpenseRecord{static_cast<std::int16_t>(kFirstYear + monthIndex / 12),
                       static_cast<std::int16_t>(1 + monthIndex % 12),
                       static_cast<std::int16_t>(day),
                       static_cast<std::int16_t>(i % kExpenseItemCount),
                       5000 + i % 1000 * 100,
                       i % 2 == 0 ? 3000 : 0,
                       12000 + i % 500};
}

std::vector<ExpenseRecord> SampleRecords() {
  std::vector<ExpenseRecord> records;
  records.reserve(SampleLedger::kRecords);
  for (int i = 0; i < SampleLedger::kMonthRecords; ++i)
    records.push_back(Record(kSampleMonthIndex, 1 + i % 31, i));
  constexpr int kOtherMonths = kMonths - 1;
  for (int i = 0; i < SampleLedger::kRecords - SampleLedger::kMonthRecords; ++i) {
    int month = i % kOtherMonths;
    if (month >= kSampleMonthIndex) ++month;
    records.push_back(Record(month, 1 + i / kOtherMonths % 28, i));
  }
  std::stable_sort(
      records.begin(), records.end(),
      [](const ExpenseRecord& a, const ExpenseRecord& b) { return DateKey(a) < DateKey(b); });
  return records;
}

std::string FileBytes(const std::vector<ExpenseRecord>& records) {
  const LedgerHeader header = EncodeLedgerHeader(static_cast<int>(records.size()));
  std::string bytes(header.begin(), header.end());
  bytes.append(reinterpret_cast<const char*>(records.data()),
               records.size() * sizeof(ExpenseRecord));
  return bytes;
}

// The program names files by device paths, with backslashes.
std::wstring DevicePath(const std::filesystem::path& path) {
  std::wstring device = path.wstring();
  std::replace(device.begin(), device.end(), L'/', L'\\');
  return device;
}

}  // namespace

const SampleLedger& SampleLedger::Get() {
  static const SampleLedger sample;
  return sample;
}

SampleLedger::SampleLedger()
    : path_(std::filesystem::temp_directory_path() /
            ("rt_bench_dialogs_" + std::to_string(::getpid())) / "Roadtally.dat"),
      original_(FileBytes(SampleRecords())) {
  std::filesystem::create_directories(path_.parent_path());
}

SampleLedger::~SampleLedger() {
  std::error_code ignored;
  std::filesystem::remove_all(path_.parent_path(), ignored);
}

bool SampleLedger::Restore() const {
  if (!WriteCrashSafe(path_, original_)) return false;
  CExpenseLedger& ledger = *GetLedger();
  ledger.Load(DevicePath(path_).c_str());
  return ledger.m_nCount == kRecords;
}

std::string SampleLedger::Bytes() const {
  std::ifstream file(path_, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace bench
