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
  EXPECT_STREQ(L"\\Apps\\Roadtally.dat", BuildDataPath(L"\\Apps\\prog.exe"));
  EXPECT_STREQ(L"\\Roadtally.dat", BuildDataPath(L"\\prog.exe"));
  EXPECT_STREQ(L"\\home\\u\\bin\\Roadtally.dat", BuildDataPath(L"\\home\\u\\bin\\roadtally"));
  EXPECT_STREQ(L"prog.exe\\Roadtally.dat", BuildDataPath(L"prog.exe"));
  EXPECT_STREQ(L"\\Roadtally.dat", BuildDataPath(L""));
}

TEST(DataPath, RefusedWhenItWouldNotFitTheBuffer) {
  // Directory of 385 characters + "\Roadtally.dat" (14) = 399: fits.
  const std::wstring fits = L"\\" + std::wstring(384, L'd') + L"\\p";
  EXPECT_EQ(385 + 14, BuildDataPath(fits.c_str()).GetLength());
  const std::wstring tooLong = L"\\" + std::wstring(385, L'd') + L"\\p";
  EXPECT_TRUE(BuildDataPath(tooLong.c_str()).IsEmpty());
  const std::wstring moduleTooLong = L"\\a\\" + std::wstring(400, L'p');
  EXPECT_TRUE(BuildDataPath(moduleTooLong.c_str()).IsEmpty());
  EXPECT_TRUE(BuildDataPath(nullptr).IsEmpty());
}
