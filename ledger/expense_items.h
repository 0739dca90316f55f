// The fixed catalogue of expense items. Ids are what the data file
// stores, so their numbering is part of the file format.
#pragma once

struct ExpenseItem {
  const wchar_t* name;  // null in the terminating entry
  int id;
};

constexpr int kExpenseItemCount = 22;
constexpr int kRefuellingItemId = 0;

// The 22 items in id order, then an entry with a null name.
extern const ExpenseItem g_expenseItems[kExpenseItemCount + 1];

// The item's name, or an empty string (never null) for an unknown id.
const wchar_t* GetItemName(int id);
