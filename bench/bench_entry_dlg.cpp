// The entry dialog: opening it, and adding an expense to a 100 000-record
// ledger through it, held against the least a crash-safe save of the same
// bytes can cost.
#include <benchmark/benchmark.h>

#include "bench/modal_run.h"
#include "bench/sample_ledger.h"
#include "bench/save_against_floor.h"
#include "dialogs/expense_entry_dlg.h"
#include "ledger/expense_ledger.h"

namespace {

using bench::SampleLedger;

constexpr char kCancel[] = "tap 274 222\n";
// The cost row, 7 on the keypad, its OK, then the dialog's confirm.
constexpr char kAddSeven[] = "tap 200 143\ntap 101 176\ntap 44 222\ntap 43 222\n";

// A new entry for the 20th of the sample's month.
INT_PTR RunEntry() {
  CExpenseEntryDlg entry(nullptr);
  entry.m_nYear = SampleLedger::kYear;
  entry.m_nMonth = SampleLedger::kMonth;
  entry.m_nDay = 20;
  return entry.DoModal();
}

// From DoModal to its return: the dialog made from its template, its skins
// loaded, the hidden item list made with its own skins, the first paint
// presented; then the cancel tap, whose pressed button is painted and
// presented before the dialog is torn down. Most of it is decoding skins
// and zeroing new surfaces; how fresh those blocks are depends on what
// ran before (glibc moves its mmap threshold), so compare runs of the same
// set of benchmarks.
void BM_EntryOpen(benchmark::State& state) {
  bench::RunModal(state, kCancel, [] { return RunEntry() == IDCANCEL; });
}
BENCHMARK(BM_EntryOpen)->Unit(benchmark::kMillisecond);

// The whole confirm: the keypad opened and closed, the record appended and
// sorted in, the file saved.
void BM_SaveEntry(benchmark::State& state) {
  bench::RunSaveAgainstFloor(state, kAddSeven, [] {
    return RunEntry() == IDOK && GetLedger()->m_nCount == SampleLedger::kRecords + 1;
  });
}
BENCHMARK(BM_SaveEntry)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
