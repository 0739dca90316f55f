#include <gtest/gtest.h>

#include "ledger/expense_ledger.h"
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

// Same-day records keep the order they came in, whichever way the sort
// runs: a full sort of a shuffled ledger, or one appended record sorted in.
TEST(LedgerSort, SameDayRecordsKeepTheirOrder) {
  struct Step {
    const char* what;
    std::vector<ExpenseRecord> appended;  // each followed by SortByDate when one by one
    bool oneByOne;
  };
  const std::vector<ExpenseRecord> mixed = {
      Record(2005, 3, 2, 0, 1), Record(2005, 3, 1, 0, 2), Record(2005, 3, 2, 0, 3),
      Record(2005, 3, 1, 0, 4), Record(2005, 3, 2, 0, 5), Record(2004, 1, 9, 0, 6),
      Record(2005, 3, 2, 0, 7), Record(2005, 3, 1, 0, 8)};
  const Step steps[] = {{"whole", mixed, false}, {"one by one", mixed, true}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    CExpenseLedger ledger;
    for (const ExpenseRecord& r : step.appended) {
      ledger.Append(r);
      if (step.oneByOne) ledger.SortByDate();
    }
    ledger.SortByDate();
    std::vector<int> costs;
    for (int i = 0; i < ledger.m_nCount; ++i) costs.push_back(ledger.m_pRecords[i].cost);
    EXPECT_EQ((std::vector<int>{6, 2, 4, 8, 1, 3, 5, 7}), costs);
    // A removal and its undo, then one more entry of the busiest day.
    const ExpenseRecord removed = ledger.m_pRecords[5];
    ledger.RemoveAt(5);
    ledger.InsertAt(5, removed);
    ledger.Append(Record(2005, 3, 2, 0, 9));
    ledger.SortByDate();
    costs.clear();
    for (int i = 0; i < ledger.m_nCount; ++i) costs.push_back(ledger.m_pRecords[i].cost);
    EXPECT_EQ((std::vector<int>{6, 2, 4, 8, 1, 3, 5, 7, 9}), costs);
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
