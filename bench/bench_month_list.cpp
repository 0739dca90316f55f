// The monthly list over a 100 000-record ledger: opening a month of 500
// entries, paging the months, and deleting an entry with its save, held
// against the least a crash-safe save of the same bytes can cost.
#include <benchmark/benchmark.h>

#include "bench/modal_run.h"
#include "bench/sample_ledger.h"
#include "bench/save_against_floor.h"
#include "dialogs/month_list_dlg.h"
#include "ledger/expense_ledger.h"

namespace {

using bench::SampleLedger;

constexpr char kClose[] = "tap 274 222\n";
constexpr char kNextMonth[] = "tap 294 21\n";
// Delete the first row (selected on opening), confirm, close.
constexpr char kDeleteFirst[] = "tap 120 222\ntap 103 165\ntap 274 222\n";
constexpr int kPages = 48;

// Runs the list on the sample's month; true when it closed showing the
// month `pages` months on with `rows` rows (-1: any number), the ledger
// holding `records`.
bool RunList(int pages, int rows, int records) {
  CMonthListDlg list(nullptr);
  list.m_nYear = SampleLedger::kYear;
  list.m_nMonth = SampleLedger::kMonth;
  const int monthIndex = SampleLedger::kYear * 12 + SampleLedger::kMonth - 1 + pages;
  return list.DoModal() == IDCANCEL && list.m_nYear * 12 + list.m_nMonth - 1 == monthIndex &&
         (rows < 0 || list.m_listRecords.GetCount() == rows) && GetLedger()->m_nCount == records;
}

// From DoModal to its return: the dialog made and its skins loaded, the
// month's 500 rows found, formatted and listed with the month's totals,
// the first paint presented; then the close tap, whose pressed button is
// painted and presented before the dialog is torn down.
void BM_MonthListOpen(benchmark::State& state) {
  if (!SampleLedger::Get().Restore()) return state.SkipWithError("cannot write the sample ledger");
  bench::RunModal(state, kClose,
                  [] { return RunList(0, SampleLedger::kMonthRecords, SampleLedger::kRecords); });
}
BENCHMARK(BM_MonthListOpen)->Unit(benchmark::kMillisecond);

// Each step is a tap on the next-month arrow: the pressed arrow shown, the
// next month's rows and totals found and listed, the list repainted. The
// months after January 2005 hold about 200 entries each. The time is that
// of a run of all the steps; the counter gives one step alone.
void BM_MonthListPaging(benchmark::State& state) {
  if (!SampleLedger::Get().Restore()) return state.SkipWithError("cannot write the sample ledger");
  bench::RunSteps(state, bench::Repeat(kNextMonth, kPages), kPages, kClose,
                  [] { return RunList(kPages, -1, SampleLedger::kRecords); });
}
BENCHMARK(BM_MonthListPaging)->Unit(benchmark::kMillisecond);

// The list opened, the question asked and answered, the record removed,
// the file saved, the month listed again and closed.
void BM_MonthListDelete(benchmark::State& state) {
  bench::RunSaveAgainstFloor(state, kDeleteFirst, [] {
    return RunList(0, SampleLedger::kMonthRecords - 1, SampleLedger::kRecords - 1);
  });
}
BENCHMARK(BM_MonthListDelete)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
