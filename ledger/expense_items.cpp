#include "ledger/expense_items.h"

const ExpenseItem g_expenseItems[kExpenseItemCount + 1] = {
    {L"주유-충전", 0},
    {L"휠얼라인먼트 점검", 1},
    {L"타이어 밸런스 점검", 2},
    {L"엔진튠업", 3},
    {L"인젝트 클리닝", 4},
    {L"엔진오일", 5},
    {L"엔진오일 필터", 6},
    {L"자동변속기 오일", 7},
    {L"자동변속기 필터", 8},
    {L"수동변속기 오일", 9},
    {L"파워스티어링 오일", 10},
    {L"파워스티어링 벨트", 11},
    {L"냉각수 보충", 12},
    {L"팬벨트", 13},
    {L"타이밍 벨트", 14},
    {L"연료 필터", 15},
    {L"브레이크 액", 16},
    {L"브레이크 패드", 17},
    {L"브레이크 라이닝", 18},
    {L"배터리", 19},
    {L"점화플러그", 20},
    {L"와이퍼 블레이드", 21},
    {nullptr, 0},
};

// A linear walk: the ids happen to equal the positions, but nothing relies
// on that.
const wchar_t* GetItemName(int id) {
  for (const ExpenseItem* item = g_expenseItems; item->name; ++item) {
    if (item->id == id) return item->name;
  }
  return L"";
}
