#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "ledger/month_summary.h"
#include "tests/ledger/ledger_bytes.h"

using ledger_test::Record;

TEST(FormatGrouped, WholeUnitsWithCommasBetweenGroupsOfThree) {
  EXPECT_STREQ(L"1,234,567", FormatGrouped(123456789));
  EXPECT_STREQ(L"0", FormatGrouped(99));
  EXPECT_STREQ(L"1,000", FormatGrouped(100000));
  EXPECT_STREQ(L"999", FormatGrouped(99999));
  EXPECT_STREQ(L"100", FormatGrouped(10000));
  EXPECT_STREQ(L"21,474,836", FormatGrouped(std::numeric_limits<std::int32_t>::max()));
}

TEST(FormatGrouped, NegativeAmountsGroupTheirDigitsOnly) {
  EXPECT_STREQ(L"-123", FormatGrouped(-12345));
  EXPECT_STREQ(L"-123,456", FormatGrouped(-12345678));
  EXPECT_STREQ(L"-1,234", FormatGrouped(-123456));
  EXPECT_STREQ(L"0", FormatGrouped(-99));
  EXPECT_STREQ(L"-92,233,720,368,547,758", FormatGrouped(std::numeric_limits<std::int64_t>::min()));
}

TEST(MonthTotals, CostAsStoredAndDistanceAsAbsoluteOverTheMonthOnly) {
  CExpenseLedger ledger;
  ledger.Append(Record(2005, 2, 28, 0, 999999, 0, 5000));
  ledger.Append(Record(2005, 3, 1, 0, 123456789, 0, 12350));
  ledger.Append(Record(2005, 3, 9, 4, -89, 0, -7900));
  ledger.Append(Record(2005, 4, 1, 0, 1, 0, 1));
  const MonthTotals march = SumMonth(ledger, 2005, 3);
  EXPECT_EQ(2, march.count);
  EXPECT_EQ(123456700, march.cost);
  EXPECT_EQ(20250, march.distance);
  const MonthTotals empty = SumMonth(ledger, 2005, 5);
  EXPECT_EQ(0, empty.count);
  EXPECT_EQ(0, empty.cost);
  EXPECT_EQ(0, empty.distance);
}

TEST(MonthTotals, ExtremeValuesDoNotOverflow) {
  CExpenseLedger ledger;
  const std::int32_t most = std::numeric_limits<std::int32_t>::max();
  const std::int32_t least = std::numeric_limits<std::int32_t>::min();
  for (int i = 0; i < 3; ++i) ledger.Append(Record(2005, 3, 1, 0, most, 0, least));
  const MonthTotals totals = SumMonth(ledger, 2005, 3);
  EXPECT_EQ(6442450941LL, totals.cost);
  EXPECT_EQ(6442450944LL, totals.distance);
  EXPECT_STREQ(L"64,424,509", FormatGrouped(totals.cost));
}
