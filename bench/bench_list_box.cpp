// The list box's whole paint: the entry dialog's item list (the 22 items
// of the catalogue, one text a row, five rows of 28 in 195 x 140) as the
// child of a plain window, repainted through its back buffer into its
// window each time. Composing the screen is left to a message loop, so it
// is not counted.
#include <benchmark/benchmark.h>

#include "controls/skin_list_box.h"
#include "ledger/expense_items.h"
#include "tests/support/script_host.h"

namespace {

constexpr POINT kListAt{108, 52};
constexpr int kListWidth = 195, kRowHeight = 28, kVisibleRows = 5;

void BM_ListBoxFullPaint(benchmark::State& state) {
  testing_support::ScriptHost::Installed();
  CWnd parent;
  parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr);
  CSkinListBox list;
  list.Create(&parent, kListWidth, kRowHeight * kVisibleRows, 1);
  list.m_nItemHeight = kRowHeight;
  list.m_nVisibleRows = kVisibleRows;
  list.SetPosition(kListAt.x, kListAt.y, kListWidth, kRowHeight * kVisibleRows, TRUE);
  list.ResetContent();
  for (int i = 0; g_expenseItems[i].name; ++i) list.AddString(g_expenseItems[i].name, i);
  list.SetCurSel(0);
  if (list.GetCount() != kExpenseItemCount) state.SkipWithError("the list is not filled");
  for (auto _ : state) {
    list.Invalidate(FALSE);
    list.UpdateWindow();
  }
}
BENCHMARK(BM_ListBoxFullPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
