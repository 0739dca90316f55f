#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ledger/expense_ledger.h"
#include "tests/ledger/frozen_dir.h"
#include "tests/ledger/ledger_bytes.h"

using namespace ledger_test;

namespace {

class LedgerFileTest : public ::testing::Test {
 protected:
  std::wstring Path() const { return dir.Device("Roadtally.dat"); }
  std::filesystem::path HostPath() const { return dir.path() / "Roadtally.dat"; }
  void Load(const Bytes& bytes) {
    WriteBytes(HostPath(), bytes);
    ledger.Load(Path().c_str());
  }
  Bytes TwoRecordsOutOfOrder() const {
    Bytes file = Header(2);
    PutRecord(file, 2005, 1, 1, 5, 4500000, 0, 12345);
    PutRecord(file, 2004, 12, 31, 0, 6000050, 4012, -7);
    return file;
  }

  ScratchDir dir;
  CExpenseLedger ledger;
};

}  // namespace

TEST_F(LedgerFileTest, EmptyLedgerIsTheTwentyFourByteHeader) {
  ASSERT_TRUE(ledger.Save(Path().c_str()));
  const Bytes expected = {0x52, 0x4F, 0x41, 0x44, 0x74, 0x61, 0x6C, 0x6C, 0x79, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(expected, ReadBytes(HostPath()));
  ledger.Load(Path().c_str());
  EXPECT_EQ(0, ledger.m_nCount);
  EXPECT_EQ(10, ledger.m_nCapacity);
}

TEST_F(LedgerFileTest, LoadSortsWhateverTheFileOrderAndSaveWritesTheSameBytesSorted) {
  Load(TwoRecordsOutOfOrder());
  ASSERT_EQ(2, ledger.m_nCount);
  EXPECT_EQ(12, ledger.m_nCapacity);
  const ExpenseRecord& first = ledger.m_pRecords[0];
  EXPECT_EQ(2004, first.year);
  EXPECT_EQ(31, first.day);
  EXPECT_EQ(6000050, first.cost);
  EXPECT_EQ(4012, first.fuel);
  EXPECT_EQ(-7, first.distance);
  EXPECT_EQ(5, ledger.m_pRecords[1].itemId);

  ASSERT_TRUE(ledger.Save(nullptr));
  Bytes sorted = Header(2);
  PutRecord(sorted, 2004, 12, 31, 0, 6000050, 4012, -7);
  PutRecord(sorted, 2005, 1, 1, 5, 4500000, 0, 12345);
  EXPECT_EQ(64u, sorted.size());
  EXPECT_EQ(sorted, ReadBytes(HostPath()));
}

TEST_F(LedgerFileTest, FiveRecordsLeaveTenSpareAndTheSixteenthGrowsBy100) {
  Bytes file = Header(5);
  for (int day = 1; day <= 5; ++day) PutRecord(file, 2005, 3, day, 0, 100, 0, 0);
  Load(file);
  EXPECT_EQ(15, ledger.m_nCapacity);
  for (int day = 6; day <= 15; ++day) ledger.Append(Record(2005, 3, day));
  EXPECT_EQ(15, ledger.m_nCapacity);
  ledger.Append(Record(2005, 3, 16));
  EXPECT_EQ(115, ledger.m_nCapacity);
  EXPECT_EQ(16, ledger.m_nCount);
  EXPECT_EQ(5, ledger.m_pRecords[4].day);
}

TEST_F(LedgerFileTest, MagicAndVersionRules) {
  Bytes tailBytes = TwoRecordsOutOfOrder();
  for (int i = 10; i < 16; ++i) tailBytes[i] = 0xAB;
  tailBytes[19] = 0xFF;
  Load(tailBytes);
  EXPECT_EQ(2, ledger.m_nCount) << "bytes 10..15 and 19 are not examined";

  Bytes noTerminator = TwoRecordsOutOfOrder();
  noTerminator[9] = 'X';
  Load(noTerminator);
  EXPECT_EQ(0, ledger.m_nCount);

  Bytes version101 = TwoRecordsOutOfOrder();
  version101[18] = 1;
  Load(version101);
  EXPECT_EQ(0, ledger.m_nCount);
  EXPECT_EQ(nullptr, ledger.m_pRecords);

  Bytes wrongCase = TwoRecordsOutOfOrder();
  wrongCase[0] = 'r';
  Load(wrongCase);
  EXPECT_EQ(0, ledger.m_nCount);
}

TEST_F(LedgerFileTest, ShortOrMissingFilesLoadEmptyButRememberThePath) {
  Bytes cut = Header(0);
  cut.resize(18);
  Load(cut);
  EXPECT_EQ(0, ledger.m_nCount);
  EXPECT_EQ(0, ledger.m_nCapacity);
  EXPECT_STREQ(Path().c_str(), ledger.m_strPath);

  const std::wstring missing = dir.Device("none.dat");
  ledger.Load(missing.c_str());
  EXPECT_EQ(0, ledger.m_nCapacity);
  EXPECT_STREQ(missing.c_str(), ledger.m_strPath);
}

TEST_F(LedgerFileTest, HeaderCutInsideTheCountTakesTheBytesItHas) {
  // 21 bytes: the count's first byte (2) is there, the rest read as zero;
  // but no record follows, so nothing is invented.
  Bytes cut = Header(2);
  cut.resize(21);
  Load(cut);
  EXPECT_EQ(0, ledger.m_nCount);
  EXPECT_EQ(10, ledger.m_nCapacity);
}

TEST_F(LedgerFileTest, TruncatedFileKeepsOnlyItsWholeRecords) {
  Bytes file = Header(3);
  PutRecord(file, 2005, 3, 2, 0, 200, 0, 0);
  PutRecord(file, 2005, 3, 1, 0, 100, 0, 0);
  PutRecord(file, 2005, 3, 3, 0, 300, 0, 0);
  file.resize(file.size() - 7);
  Load(file);
  ASSERT_EQ(2, ledger.m_nCount);
  EXPECT_EQ(12, ledger.m_nCapacity);
  EXPECT_EQ(100, ledger.m_pRecords[0].cost);
  EXPECT_EQ(200, ledger.m_pRecords[1].cost);
  ASSERT_TRUE(ledger.Save(nullptr));
  EXPECT_EQ(64u, ReadBytes(HostPath()).size());
}

TEST_F(LedgerFileTest, ForgedHugeOrNegativeCountsAreRefusedOrCutToTheFile) {
  Bytes huge = Header(0x7FFFFFF0);
  PutRecord(huge, 2005, 3, 1, 0, 100, 0, 0);
  Load(huge);
  EXPECT_EQ(1, ledger.m_nCount);
  EXPECT_EQ(11, ledger.m_nCapacity);

  Bytes overflowing = Header(0x7FFFFFFF);
  PutRecord(overflowing, 2005, 3, 1, 0, 100, 0, 0);
  Load(overflowing);
  EXPECT_EQ(0, ledger.m_nCapacity);

  Bytes negative = Header(-1);
  PutRecord(negative, 2005, 3, 1, 0, 100, 0, 0);
  Load(negative);
  EXPECT_EQ(0, ledger.m_nCapacity);
}

TEST_F(LedgerFileTest, RejectedFileIsReplacedByOneRecordAfterOneChange) {
  Bytes junk(300, 0x5A);
  Load(junk);
  EXPECT_EQ(300u, ReadBytes(HostPath()).size()) << "a rejected file is left alone";
  ledger.Append(Record(2005, 3, 8, 17, 8800000, 0, 0));
  ledger.SortByDate();
  ASSERT_TRUE(ledger.Save(nullptr));
  Bytes expected = Header(1);
  PutRecord(expected, 2005, 3, 8, 17, 8800000, 0, 0);
  EXPECT_EQ(44u, expected.size());
  EXPECT_EQ(expected, ReadBytes(HostPath()));
}

TEST_F(LedgerFileTest, FailedSaveReportsFalseAndLeavesTheOldFile) {
  Load(TwoRecordsOutOfOrder());
  const Bytes before = ReadBytes(HostPath());
  ledger.Append(Record(2006, 1, 1));

  const std::wstring inMissingDir = dir.Device("no/such/dir/Roadtally.dat");
  EXPECT_FALSE(ledger.Save(inMissingDir.c_str()));
  std::ofstream(dir.path() / "plain") << "x";
  const std::wstring underAFile = dir.Device("plain/Roadtally.dat");
  EXPECT_FALSE(ledger.Save(underAFile.c_str()));

  CExpenseLedger neverLoaded;
  EXPECT_FALSE(neverLoaded.Save(nullptr));
  EXPECT_EQ(before, ReadBytes(HostPath()));
  EXPECT_EQ(3, ledger.m_nCount) << "memory keeps the change";
}

TEST_F(LedgerFileTest, SaveIntoAnUnwritableDirectoryFailsAndKeepsTheOldFile) {
  Load(TwoRecordsOutOfOrder());
  const Bytes before = ReadBytes(HostPath());
  ledger.RemoveAt(0);
  FrozenDir frozen(dir.path());
  if (!frozen.frozen()) GTEST_SKIP() << "this file system cannot make a directory immutable";
  EXPECT_FALSE(ledger.Save(nullptr));
  EXPECT_EQ(before, ReadBytes(HostPath()));
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path()), {}));
}

// A logbook its owner made read-only is not written, by root either; each
// change that could not be saved is undone, so memory matches the file.
TEST_F(LedgerFileTest, ReadOnlyLogbookIsNotWrittenAndEveryChangeIsUndone) {
  Load(TwoRecordsOutOfOrder());
  const Bytes before = ReadBytes(HostPath());
  const std::vector<ExpenseRecord> records(ledger.m_pRecords, ledger.m_pRecords + 2);
  std::filesystem::permissions(HostPath(), std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
  const ExpenseRecord laterDay = Record(2006, 1, 1, 3, 900);
  const std::pair<const char*, bool> changes[] = {
      {"add", ledger.AddAndSave(Record(2005, 1, 1, 1, 77))},
      {"replace keeping the day", ledger.ReplaceAndSave(0, Record(2004, 12, 31, 2, 5))},
      {"replace moving the day", ledger.ReplaceAndSave(0, laterDay)},
      {"remove", ledger.RemoveAndSave(1)},
  };
  for (const auto& [change, saved] : changes) {
    EXPECT_FALSE(saved) << change;
  }
  EXPECT_EQ("Permission denied", ledger.SaveProblem());
  ASSERT_EQ(2, ledger.m_nCount);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(FileOf({records[i]}), FileOf({ledger.m_pRecords[i]})) << i;
  EXPECT_EQ(before, ReadBytes(HostPath()));
  EXPECT_EQ(0444, static_cast<int>(std::filesystem::status(HostPath()).permissions()));
}

// Saved changes land in date order, an edit of the same day in its place.
TEST_F(LedgerFileTest, SavedChangesKeepTheDateOrder) {
  Load(TwoRecordsOutOfOrder());
  ASSERT_TRUE(ledger.AddAndSave(Record(2004, 12, 31, 7, 1)));
  ASSERT_TRUE(ledger.ReplaceAndSave(0, Record(2004, 12, 31, 9, 2)));
  ASSERT_TRUE(ledger.ReplaceAndSave(1, Record(2003, 5, 5, 4, 3)));
  ASSERT_TRUE(ledger.RemoveAndSave(2));
  EXPECT_EQ(FileOf({Record(2003, 5, 5, 4, 3), Record(2004, 12, 31, 9, 2)}), ReadBytes(HostPath()));
}
