// The monthly list's texts: rows and totals as the driver reads them.
#include "dialogs/month_list_text.h"

#include <gtest/gtest.h>

#include "skin/fitted_text.h"
#include "tests/ledger/ledger_bytes.h"

namespace {

TEST(MonthListText, Rows) {
  const MonthListRow row = FormatMonthListRow(ledger_test::Record(2005, 11, 3, 0, 500));
  EXPECT_STREQ(L"11/03", row.date);
  EXPECT_STREQ(L"주유-충전", row.item);
  EXPECT_STREQ(L"5.00", row.cost);
  EXPECT_STREQ(L"12000000.00",
               FormatMonthListRow(ledger_test::Record(2005, 1, 7, 0, 1200000000)).cost);
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

// A cell of n characters: ".00" goes first, then every decimal; a digit
// before the point never does.
TEST(MonthListText, NumbersTooWideLoseDecimalsNeverDigits) {
  struct Case {
    const wchar_t* text;
    std::size_t room;
    const wchar_t* shown;
  } cases[] = {
      {L"2000000.00", 10, L"2000000.00"}, {L"12000000.00", 10, L"12000000"},
      {L"12000000.50", 10, L"12000000"},  {L"12000000.50", 11, L"12000000.50"},
      {L"-21474836.48", 9, L"-21474836"}, {L"123456789", 5, L"123456789"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.shown,
              ShortenNumberToFit(c.text, [&](std::wstring_view t) { return t.size() <= c.room; }))
        << testing::PrintToString(c.text);
}

}  // namespace
