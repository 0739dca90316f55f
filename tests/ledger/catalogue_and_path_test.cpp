#include <gtest/gtest.h>

#include <string>

#include "ledger/data_path.h"
#include "ledger/expense_items.h"

TEST(ItemCatalogue, NamesByIdAndEmptyForUnknownIds) {
  EXPECT_STREQ(L"주유-충전", GetItemName(0));
  EXPECT_STREQ(L"타이어 밸런스 점검", GetItemName(2));
  EXPECT_STREQ(L"냉각수 보충", GetItemName(12));
  EXPECT_STREQ(L"와이퍼 블레이드", GetItemName(21));
  EXPECT_STREQ(L"", GetItemName(22));
  EXPECT_STREQ(L"", GetItemName(-1));
  EXPECT_STREQ(L"", GetItemName(0x7FFFFFFF));
}

TEST(ItemCatalogue, TwentyTwoEntriesInIdOrderThenANullName) {
  for (int i = 0; i < kExpenseItemCount; ++i) {
    ASSERT_NE(nullptr, g_expenseItems[i].name);
    EXPECT_EQ(i, g_expenseItems[i].id);
  }
  EXPECT_EQ(nullptr, g_expenseItems[kExpenseItemCount].name);
  EXPECT_EQ(0, g_expenseItems[kExpenseItemCount].id);
}

TEST(DataPath, BesideTheExecutable) {
  EXPECT_STREQ(L"\\Apps\\Roadtally.dat", ProgramDataPath(L"\\Apps\\prog.exe").c_str());
  EXPECT_STREQ(L"\\Roadtally.dat", ProgramDataPath(L"\\prog.exe").c_str());
  EXPECT_STREQ(L"\\home\\u\\bin\\Roadtally.dat",
               ProgramDataPath(L"\\home\\u\\bin\\roadtally").c_str());
  EXPECT_STREQ(L"prog.exe\\Roadtally.dat", ProgramDataPath(L"prog.exe").c_str());
  EXPECT_STREQ(L"\\Roadtally.dat", ProgramDataPath(L"").c_str());
}

// Any length the system allows: a cut path would name another file.
TEST(DataPath, LongPathsStayWhole) {
  const std::wstring directory = L"\\" + std::wstring(4000, L'd');
  EXPECT_EQ(directory + L"\\Roadtally.dat", ProgramDataPath(directory + L"\\p"));
}
