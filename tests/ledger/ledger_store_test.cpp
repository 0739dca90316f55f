#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "ledger/expense_ledger.h"
#include "ledger/month_summary.h"
#include "tests/ledger/ledger_bytes.h"

using ledger_test::Record;

namespace {

std::vector<int> Days(const CExpenseLedger& ledger) {
  std::vector<int> days;
  for (int i = 0; i < ledger.m_nCount; ++i) days.push_back(ledger.m_pRecords[i].day);
  return days;
}

}  // namespace

TEST(LedgerGrowth, FirstAppendMakesRoomFor100AndThe101stFor200) {
  CExpenseLedger ledger;
  EXPECT_EQ(nullptr, ledger.m_pRecords);
  EXPECT_EQ(1, ledger.Append(Record(2005, 3, 1, 0, 1)));
  EXPECT_EQ(100, ledger.m_nCapacity);
  for (int i = 2; i <= 100; ++i) ledger.Append(Record(2005, 3, 1, 0, i));
  EXPECT_EQ(100, ledger.m_nCapacity);
  EXPECT_EQ(101, ledger.Append(Record(2005, 3, 2, 0, 101)));
  EXPECT_EQ(200, ledger.m_nCapacity);
  for (int i = 0; i < 101; ++i) ASSERT_EQ(i + 1, ledger.m_pRecords[i].cost);
  // Slots past the count of a fresh array are zero.
  for (int i = 101; i < 200; ++i) ASSERT_EQ(0, ledger.m_pRecords[i].year);
}

TEST(LedgerRemoval, RecordsCloseUpAndAnEmptyOrOutOfRangeRemovalChangesNothing) {
  CExpenseLedger ledger;
  ledger.RemoveAt(0);
  EXPECT_EQ(0, ledger.m_nCount);
  for (int day = 1; day <= 4; ++day) ledger.Append(Record(2005, 3, day));
  ledger.RemoveAt(1);
  EXPECT_EQ((std::vector<int>{1, 3, 4}), Days(ledger));
  ledger.RemoveAt(2);
  EXPECT_EQ((std::vector<int>{1, 3}), Days(ledger));
  ledger.RemoveAt(2);
  ledger.RemoveAt(-1);
  EXPECT_EQ((std::vector<int>{1, 3}), Days(ledger));
  EXPECT_EQ(100, ledger.m_nCapacity);
}

TEST(LedgerRemoval, RemoveAllReleasesTheArrayButKeepsThePath) {
  CExpenseLedger ledger;
  ledger.m_strPath = L"\\x\\Roadtally.dat";
  ledger.Append(Record(2005, 3, 1));
  ledger.RemoveAll();
  EXPECT_EQ(nullptr, ledger.m_pRecords);
  EXPECT_EQ(0, ledger.m_nCount);
  EXPECT_EQ(0, ledger.m_nCapacity);
  EXPECT_STREQ(L"\\x\\Roadtally.dat", ledger.m_strPath);
}

TEST(LedgerSort, DateOrderAcrossYearEndAndSameDayRecordsBothKept) {
  CExpenseLedger ledger;
  ledger.Append(Record(2005, 1, 1, 0, 1));
  ledger.Append(Record(2004, 12, 31, 0, 2));
  ledger.Append(Record(2005, 1, 1, 3, 3));
  ledger.Append(Record(2004, 2, 29, 0, 4));
  EXPECT_EQ(802003, DateKey(Record(2004, 12, 31)));
  EXPECT_EQ(802032, DateKey(Record(2005, 1, 1)));
  ledger.SortByDate();
  EXPECT_EQ(4, ledger.m_pRecords[0].cost);
  EXPECT_EQ(2, ledger.m_pRecords[1].cost);
  int lastTwo = ledger.m_pRecords[2].cost + ledger.m_pRecords[3].cost;
  EXPECT_EQ(4, lastTwo);
  EXPECT_NE(ledger.m_pRecords[2].cost, ledger.m_pRecords[3].cost);
}

// Same-day records keep the order they came in (their cost here), whichever
// way the sort runs: a full sort of a mixed ledger, or each appended record
// sorted in. Enough records that a sort which is not stable reorders them.
TEST(LedgerSort, SameDayRecordsKeepTheirOrder) {
  auto enteredInOrder = [](const CExpenseLedger& ledger) {
    for (int i = 1; i < ledger.m_nCount; ++i) {
      const ExpenseRecord& a = ledger.m_pRecords[i - 1];
      const ExpenseRecord& b = ledger.m_pRecords[i];
      if (DateKey(a) > DateKey(b) || (DateKey(a) == DateKey(b) && a.cost > b.cost)) return false;
    }
    return true;
  };
  for (bool oneByOne : {false, true}) {
    SCOPED_TRACE(oneByOne ? "one by one" : "whole");
    CExpenseLedger ledger;
    for (int i = 0; i < 300; ++i) {
      ledger.Append(Record(2005, 3, 1 + (i * 7) % 3, 0, i));
      if (oneByOne) ledger.SortByDate();
    }
    ledger.SortByDate();
    EXPECT_TRUE(enteredInOrder(ledger));
    // A removal undone (this ledger has no file to save to), then one more
    // entry of the first day.
    ASSERT_FALSE(ledger.RemoveAndSave(5));
    ledger.Append(Record(2005, 3, 1, 0, 1000));
    ledger.SortByDate();
    EXPECT_TRUE(enteredInOrder(ledger));
    EXPECT_EQ(1000, ledger.m_pRecords[100].cost);
    EXPECT_EQ(301, ledger.m_nCount);
  }
}

// A shuffled ledger sorts as a stable comparison sort would order it, for
// dates a driver enters and for whatever a foreign file may hold: negative
// fields, the extremes of each, two days only. The cost keeps each record's
// place in the input.
TEST(LedgerSort, ShuffledLedgersSortAsAStableComparisonSort) {
  struct Range {
    const char* name;
    int yearLow, yearHigh, monthLow, monthHigh, dayLow, dayHigh;
  };
  const Range ranges[] = {
      {"driver dates", 1990, 2030, 1, 12, 1, 31},
      {"any field", -32768, 32767, -32768, 32767, -32768, 32767},
      {"around zero", -2, 2, -2, 2, -2, 2},
      {"two days of one month", 2005, 2005, 3, 3, 7, 8},
  };
  std::mt19937 random(20261207);
  for (const Range& range : ranges) {
    SCOPED_TRACE(range.name);
    auto pick = [&random](int low, int high) {
      return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<ExpenseRecord> expected;
    CExpenseLedger ledger;
    for (int i = 0; i < 5000; ++i) {
      expected.push_back(Record(pick(range.yearLow, range.yearHigh),
                                pick(range.monthLow, range.monthHigh),
                                pick(range.dayLow, range.dayHigh), 0, i));
      ledger.Append(expected.back());
    }
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
      return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
    });
    ledger.SortByDate();
    ASSERT_EQ(5000, ledger.m_nCount);
    for (int i = 0; i < ledger.m_nCount; ++i)
      ASSERT_EQ(expected[i].cost, ledger.m_pRecords[i].cost) << i;
  }
}

class FindFirstOfMonthTest : public ::testing::Test {
 protected:
  // Feb 2005 x1, Mar 2005 x7, May 2005 x2: a search for March lands in
  // the middle of its run first.
  void SetUp() override {
    ledger.Append(Record(2005, 2, 28));
    for (int day = 1; day <= 7; ++day) ledger.Append(Record(2005, 3, day));
    ledger.Append(Record(2005, 5, 1));
    ledger.Append(Record(2005, 5, 9));
  }
  CExpenseLedger ledger;
};

TEST_F(FindFirstOfMonthTest, GivesTheLowestIndexOfTheMonth) {
  EXPECT_EQ(1, ledger.FindFirstOfMonth(2005, 3));
  EXPECT_EQ(8, ledger.FindFirstOfMonth(2005, 5));
  EXPECT_EQ(0, ledger.FindFirstOfMonth(2005, 2));
}

TEST_F(FindFirstOfMonthTest, MissingMonthsGiveMinusOne) {
  EXPECT_EQ(-1, ledger.FindFirstOfMonth(2005, 4));
  EXPECT_EQ(-1, ledger.FindFirstOfMonth(2005, 1));
  EXPECT_EQ(-1, ledger.FindFirstOfMonth(2006, 5));
  EXPECT_EQ(-1, ledger.FindFirstOfMonth(2147483647, 12));
  EXPECT_EQ(-1, CExpenseLedger().FindFirstOfMonth(2005, 3));
}

TEST_F(FindFirstOfMonthTest, RunAtTheFrontOfALongLedger) {
  CExpenseLedger big;
  for (int i = 0; i < 500; ++i) big.Append(Record(2000, 1, 1 + i % 28));
  for (int i = 0; i < 500; ++i) big.Append(Record(2000, 2, 1 + i % 28));
  big.SortByDate();
  EXPECT_EQ(0, big.FindFirstOfMonth(2000, 1));
  EXPECT_EQ(500, big.FindFirstOfMonth(2000, 2));
}

// A foreign file's month 13 of 2004 sorts just before January 2005 and
// would pass for it as year * 12 + month; it hides nothing and is found
// by nothing but its own (impossible) month.
TEST(FindFirstOfMonth, ImpossibleMonthHidesNoRealOne) {
  CExpenseLedger ledger;
  ledger.Append(Record(2004, 12, 31, 0, 1));
  ledger.Append(Record(2004, 13, 1, 0, 2));
  ledger.Append(Record(2005, 1, 1, 0, 3));
  ledger.Append(Record(2005, 1, 20, 0, 4));
  ledger.SortByDate();
  EXPECT_EQ(2, ledger.FindFirstOfMonth(2005, 1));
  EXPECT_EQ(0, ledger.FindFirstOfMonth(2004, 12));
  EXPECT_EQ(1, ledger.FindFirstOfMonth(2004, 13));
  EXPECT_EQ(-1, ledger.FindFirstOfMonth(2004, 14));
}

// A day 40 of January would sort among February's days by DateKey alone;
// it stays with January and February is found whole.
TEST(FindFirstOfMonth, ImpossibleDayHidesNoRealMonth) {
  CExpenseLedger ledger;
  ledger.Append(Record(2005, 2, 10, 0, 1));
  ledger.Append(Record(2005, 1, 40, 0, 2));
  ledger.Append(Record(2005, 2, 1, 0, 3));
  ledger.Append(Record(2005, 1, 5, 0, 4));
  ledger.SortByDate();
  EXPECT_EQ(0, ledger.FindFirstOfMonth(2005, 1));
  EXPECT_EQ(2, ledger.FindFirstOfMonth(2005, 2));
  EXPECT_EQ(2, SumMonth(ledger, 2005, 2).count);
}
