// The monthly list's texts: rows and totals as the driver reads them.
#include "dialogs/month_list_text.h"

#include <gtest/gtest.h>

#include "tests/ledger/ledger_bytes.h"

namespace {

TEST(MonthListText, Rows) {
  const MonthListRow row = FormatMonthListRow(ledger_test::Record(2005, 11, 3, 0, 500));
  EXPECT_STREQ(L"11/03", row.date);
  EXPECT_STREQ(L"주유-충전", row.item);
  EXPECT_STREQ(L"5.00", row.cost);
  EXPECT_STREQ(L"", FormatMonthListRow(ledger_test::Record(2005, 1, 7, 99, 1)).item);
}

TEST(MonthListText, Totals) {
  EXPECT_STREQ(L"월비용: 1,234,567원", FormatCostTotal(123456789));
  EXPECT_STREQ(L"월비용: 999원", FormatCostTotal(99999));
  EXPECT_STREQ(L"월비용: 0원", FormatCostTotal(99));
  // Past what 32 bits hold: 3 x 2^31 hundredths.
  EXPECT_STREQ(L"월비용: 64,424,509원", FormatCostTotal(3LL * 2147483648LL));
  EXPECT_STREQ(L"월비용: -123원", FormatCostTotal(-12345));
  EXPECT_STREQ(L"운행거리: 20km", FormatDistanceTotal(12350 + 7900));
  EXPECT_STREQ(L"운행거리: 0km", FormatDistanceTotal(0));
  EXPECT_STREQ(L"운행거리: 4294967km", FormatDistanceTotal(2LL * 2147483647LL));
}

}  // namespace
