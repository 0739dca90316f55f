#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/ledger/frozen_dir.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/tools/ledger/tool_test.h"

using namespace ledger_test;

namespace {

class LedgerToolTest : public ToolTest {
 protected:
  Bytes Saved() const { return ReadBytes(File()); }

  // Four records in no particular order, one of them in February.
  void WriteSample() {
    Bytes file = Header(4);
    PutRecord(file, 2005, 3, 8, 0, 5500000, 4050, 412300);
    PutRecord(file, 2005, 3, 1, 5, 123456789, 0, 12350);
    PutRecord(file, 2005, 2, 28, 17, 99, 0, -7900);
    PutRecord(file, 2005, 3, 31, 21, 0, 0, 7000);
    WriteBytes(File(), file);
  }

  void ExpectOneLineError(const ToolResult& r, int status) {
    EXPECT_EQ(status, r.exitStatus);
    EXPECT_EQ("", r.out);
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(0u, r.err.rfind("roadtally-ledger: ", 0)) << r.err;
    EXPECT_EQ(r.err.size() - 1, r.err.find('\n')) << r.err;
  }
};

}  // namespace

TEST_F(LedgerToolTest, ShowListsEveryRecordInDateOrder) {
  WriteSample();
  const ToolResult r = Run({"show", File()});
  EXPECT_EQ(0, r.exitStatus);
  EXPECT_EQ(
      "date\titem_id\titem\tfuel_l\tcost\tdistance_km\n"
      "2005-02-28\t17\t브레이크 패드\t0.00\t0.99\t-7.900\n"
      "2005-03-01\t5\t엔진오일\t0.00\t1234567.89\t12.350\n"
      "2005-03-08\t0\t주유-충전\t40.50\t55000.00\t412.300\n"
      "2005-03-31\t21\t와이퍼 블레이드\t0.00\t0.00\t7.000\n",
      r.out);
  EXPECT_EQ("", r.err);
}

TEST_F(LedgerToolTest, CsvHasItsHeaderAndCrlfLines) {
  WriteSample();
  const ToolResult r = Run({"csv", File()});
  EXPECT_EQ(0, r.exitStatus);
  EXPECT_EQ(
      "date,item_id,item,fuel_l,cost,distance_km\r\n"
      "2005-02-28,17,브레이크 패드,0.00,0.99,-7.900\r\n"
      "2005-03-01,5,엔진오일,0.00,1234567.89,12.350\r\n"
      "2005-03-08,0,주유-충전,40.50,55000.00,412.300\r\n"
      "2005-03-31,21,와이퍼 블레이드,0.00,0.00,7.000\r\n",
      r.out);
}

TEST_F(LedgerToolTest, MonthPrintsGridListAndTotals) {
  WriteSample();
  const ToolResult r = Run({"month", File(), "2005", "3"});
  EXPECT_EQ(0, r.exitStatus);
  EXPECT_EQ(
      "         1 M 2   3   4   5  \n"
      " 6   7   8F  9  10  11  12  \n"
      "13  14  15  16  17  18  19  \n"
      "20  21  22  23  24  25  26  \n"
      "27  28  29  30  31 M        \n"
      "3/01\t엔진오일\t1234567.89\n"
      "3/08\t주유-충전\t55000.00\n"
      "3/31\t와이퍼 블레이드\t0.00\n"
      "월비용: 1,289,567원\n"
      "운행거리: 432km\n",
      r.out);
}

TEST_F(LedgerToolTest, MonthWithNegativeDistanceOrNoRecords) {
  WriteSample();
  const ToolResult february = Run({"month", File(), "2005", "2"});
  EXPECT_EQ(0, february.exitStatus);
  EXPECT_NE(std::string::npos,
            february.out.find("2/28\t브레이크 패드\t0.99\n월비용: 0원\n운행거리: 8km\n"));
  const ToolResult empty = Run({"month", File(), "2009", "2"});
  EXPECT_EQ(
      " 1   2   3   4   5   6   7  \n"
      " 8   9  10  11  12  13  14  \n"
      "15  16  17  18  19  20  21  \n"
      "22  23  24  25  26  27  28  \n"
      "월비용: 0원\n"
      "운행거리: 0km\n",
      empty.out);
}

namespace {

// The grid lines of a month with no records, from the standard library's
// calendar: Sunday first, four characters a cell.
std::string ExpectedGrid(int y, unsigned m) {
  using namespace std::chrono;
  const year_month ym{year{y}, month{m}};
  const unsigned first = weekday{sys_days{ym / 1}}.c_encoding();  // 0 = Sunday
  const unsigned days = static_cast<unsigned>((ym / std::chrono::last).day());
  std::string out(4 * first, ' ');
  for (unsigned d = 1; d <= days; ++d) {
    char cell[8];
    std::snprintf(cell, sizeof cell, "%2u  ", d);
    out += cell;
    if ((first + d) % 7 == 0) out += "\n";
  }
  if ((first + days) % 7 != 0) out += std::string(4 * (7 - (first + days) % 7), ' ') + "\n";
  return out;
}

}  // namespace

TEST_F(LedgerToolTest, MonthGridsMatchTheStandardCalendarAcrossTheRange) {
  WriteBytes(File(), Header(0));
  for (int y = 1; y <= 9999; y += 433) {
    for (unsigned m : {1u, 2u, 3u, 8u, 12u}) {
      const ToolResult r = Run({"month", File(), std::to_string(y), std::to_string(m)});
      ASSERT_EQ(0, r.exitStatus);
      EXPECT_EQ(ExpectedGrid(y, m) + "월비용: 0원\n운행거리: 0km\n", r.out) << y << "-" << m;
    }
  }
}

TEST_F(LedgerToolTest, MonthMarksBothKindsOnOneDay) {
  Bytes file = Header(2);
  PutRecord(file, 2005, 1, 1, 3, 100, 0, 0);
  PutRecord(file, 2005, 1, 1, 0, 100, 0, 0);
  WriteBytes(File(), file);
  const ToolResult r = Run({"month", File(), "2005", "1"});
  EXPECT_EQ(0u, r.out.find("                         1FM\n 2   3"));
  EXPECT_NE(std::string::npos, r.out.find("\n30  31                      \n"));
}

TEST_F(LedgerToolTest, AddCreatesTheFileThenKeepsItSorted) {
  EXPECT_EQ(0, Run({"add", File(), "2005-03-08", "0", "40.5", "55000", "412.3"}).exitStatus);
  Bytes expected = Header(1);
  PutRecord(expected, 2005, 3, 8, 0, 5500000, 4050, 412300);
  EXPECT_EQ(expected, Saved());

  EXPECT_EQ(0, Run({"add", File(), "2004-12-31", "17", "0", "12.34", "0"}).exitStatus);
  expected = Header(2);
  PutRecord(expected, 2004, 12, 31, 17, 1234, 0, 0);
  PutRecord(expected, 2005, 3, 8, 0, 5500000, 4050, 412300);
  EXPECT_EQ(expected, Saved());
}

TEST_F(LedgerToolTest, AddTakesTheLargestValuesThatFit) {
  EXPECT_EQ(
      0,
      Run({"add", File(), "2004-02-29", "21", "0.004", "21474836.47", "-2147483.648"}).exitStatus);
  Bytes expected = Header(1);
  PutRecord(expected, 2004, 2, 29, 21, 2147483647, 0, -2147483647 - 1);
  EXPECT_EQ(expected, Saved());
}

TEST_F(LedgerToolTest, AddRefusesBadValuesAndLeavesTheFile) {
  WriteSample();
  const Bytes before = Saved();
  const std::vector<std::vector<std::string>> refused = {
      {"2005-03-08", "0", "10", "0", "0"},      // neither cost nor distance
      {"2005-03-08", "0", "10", "0.004", "0"},  // cost rounds to 0
      {"2005-02-29", "0", "0", "1", "0"},       // not a leap year
      {"2005-13-01", "0", "0", "1", "0"},
      {"0000-01-01", "0", "0", "1", "0"},
      {"2005-3-1", "0", "0", "1", "0"},
      {"2005-03-08", "22", "0", "1", "0"},  // no such item
      {"2005-03-08", "-1", "0", "1", "0"},
      {"2005-03-08", "x", "0", "1", "0"},
      {"2005-03-08", "0", "0", "21474836.48", "0"},  // 2^31 hundredths
      {"2005-03-08", "0", "0", "1", "2147483.648"},
      {"2005-03-08", "0", "0", "0x10", "0"},
      {"2005-03-08", "0", "0", "1e3", "0"},
      {"2005-03-08", "0", "nan", "1", "0"},
      {"2005-03-08", "0", "0", "", "1"},
      {"2005-03-08", "0", "0", "1.2.3", "0"},
  };
  for (const auto& values : refused) {
    std::vector<std::string> args = {"add", File()};
    args.insert(args.end(), values.begin(), values.end());
    SCOPED_TRACE(values[0] + " " + values[1] + " " + values[2] + " " + values[3] + " " + values[4]);
    ExpectOneLineError(Run(args), 1);
    EXPECT_EQ(before, Saved());
  }
}

TEST_F(LedgerToolTest, RemoveTakesALedgerIndex) {
  WriteSample();
  EXPECT_EQ(0, Run({"remove", File(), "1"}).exitStatus);
  Bytes expected = Header(3);
  PutRecord(expected, 2005, 2, 28, 17, 99, 0, -7900);
  PutRecord(expected, 2005, 3, 8, 0, 5500000, 4050, 412300);
  PutRecord(expected, 2005, 3, 31, 21, 0, 0, 7000);
  EXPECT_EQ(expected, Saved());
  for (const char* index : {"3", "-1", "x", ""}) {
    ExpectOneLineError(Run({"remove", File(), index}), 1);
    EXPECT_EQ(expected, Saved());
  }
}

TEST_F(LedgerToolTest, MissingDamagedOrCutShortFilesAreErrorsWithNoTable) {
  ExpectOneLineError(Run({"show", File()}), 1);
  ExpectOneLineError(Run({"remove", File(), "0"}), 1);
  EXPECT_FALSE(std::filesystem::exists(File()));

  WriteBytes(File(), Bytes(24, 'x'));
  ExpectOneLineError(Run({"csv", File()}), 1);
  ExpectOneLineError(Run({"add", File(), "2005-03-08", "0", "0", "1", "0"}), 1);
  EXPECT_EQ(Bytes(24, 'x'), Saved());

  WriteSample();
  Bytes cut = Saved();
  cut.resize(cut.size() - 1);
  WriteBytes(File(), cut);
  ExpectOneLineError(Run({"show", File()}), 1);
  ExpectOneLineError(Run({"month", File(), "2005", "3"}), 1);

  Bytes forged = Header(1000000);
  PutRecord(forged, 2005, 3, 8, 0, 100, 0, 0);
  WriteBytes(File(), forged);
  ExpectOneLineError(Run({"show", File()}), 1);
}

TEST_F(LedgerToolTest, FailedSaveExitsOneAndKeepsTheOldFile) {
  WriteSample();
  const Bytes before = Saved();
  ExpectOneLineError(
      Run({"add", (dir.path() / "no" / "such.dat").string(), "2005-03-08", "0", "0", "1", "0"}), 1);
  FrozenDir frozen(dir.path());
  if (!frozen.frozen()) GTEST_SKIP() << "this file system cannot make a directory immutable";
  ExpectOneLineError(Run({"add", File(), "2005-03-09", "0", "0", "1", "0"}), 1);
  ExpectOneLineError(Run({"remove", File(), "0"}), 1);
  EXPECT_EQ(before, Saved());
}

// What was wrong first, in one line, then the way to the help; help
// itself is no error.
TEST_F(LedgerToolTest, UsageErrorsSayWhatWasWrongAndExitTwo) {
  WriteSample();
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "no command given"},
      {{"frobnicate", File()}, "unknown command 'frobnicate'"},
      {{"show"}, "show: missing FILE"},
      {{"show", File(), "extra"}, "show: unexpected argument 'extra'"},
      {{"month", File(), "2005"}, "month: missing MONTH"},
      {{"add", File(), "2005-03-08", "0", "1", "2"}, "add: missing KM"},
      {{"add", File(), "2005-03-08"}, "add: missing ITEM_ID FUEL COST KM"},
      {{"remove", File()}, "remove: missing INDEX"},
      {{"last", File(), "--on"}, "last: --on needs a date, YYYY-MM-DD"},
      {{"csv", File(), "--excell"}, "csv: unexpected argument '--excell'"},
  };
  for (const auto& [args, says] : cases) {
    const ToolResult r = Run(args);
    EXPECT_EQ(2, r.exitStatus) << says;
    EXPECT_EQ("", r.out);
    EXPECT_EQ(0u, r.err.find("roadtally-ledger: " + says + "\n")) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("'roadtally-ledger help'")) << r.err;
  }
  EXPECT_NE(std::string::npos,
            Run({"add", File()}).err.find("\nusage: roadtally-ledger add FILE YYYY-MM-DD "));
  ExpectOneLineError(Run({"month", File(), "2005", "13"}), 1);
  ExpectOneLineError(Run({"month", File(), "0", "1"}), 1);
  for (const char* help : {"help", "--help"}) {
    const ToolResult r = Run({help});
    EXPECT_EQ(0, r.exitStatus);
    EXPECT_EQ(0u, r.out.find("usage:\n  roadtally-ledger show FILE\n")) << r.out;
    EXPECT_EQ("", r.err);
  }
}

namespace {

// The first word of each line of text that starts with prefix.
std::set<std::string> WordsAfter(const std::string& text, const std::string& prefix) {
  std::set<std::string> words;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(prefix, 0) != 0) continue;
    const std::string rest = line.substr(prefix.size());
    words.insert(rest.substr(0, rest.find(' ')));
  }
  return words;
}

// The words of text that start with "--": "--excel" in "[--excel]".
std::set<std::string> Options(const std::string& text) {
  std::set<std::string> options;
  for (size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
    const size_t end = text.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", at + 2);
    options.insert(text.substr(at, end - at));
  }
  return options;
}

}  // namespace

// The manual documents each command the tool's help lists, as an entry of
// its COMMANDS section, and each option the help names; and no other.
TEST_F(LedgerToolTest, ManualDocumentsEveryCommandAndOptionOfTheTool) {
  const ToolResult help = Run({"help"});
  ASSERT_EQ(0, help.exitStatus);
  const std::string usage = help.out.substr(0, help.out.find("\n\n"));
  const std::set<std::string> commands = WordsAfter(usage, "  roadtally-ledger ");
  ASSERT_GE(commands.size(), 10u) << usage;

  std::ostringstream read;
  read << std::ifstream(MANUAL).rdbuf();
  const std::string manual = read.str();
  const size_t from = manual.find("\n.SH COMMANDS\n");
  ASSERT_NE(std::string::npos, from);
  const std::string section = manual.substr(from, manual.find("\n.SH ", from + 1) - from);
  // Each command is an entry: .TP, then its name in bold (.B or .BI).
  std::string entries;
  for (size_t at = section.find("\n.TP\n"); at != std::string::npos;
       at = section.find("\n.TP\n", at + 1)) {
    entries += section.substr(at + 5, section.find('\n', at + 5) - at - 4);
  }
  std::set<std::string> documented = WordsAfter(entries, ".B ");
  documented.merge(WordsAfter(entries, ".BI "));
  EXPECT_EQ(commands, documented);

  const std::set<std::string> options = Options(usage);
  EXPECT_FALSE(options.empty());
  for (const std::string& option : options) {
    std::string escaped;
    for (const char c : option) escaped += c == '-' ? "\\-" : std::string(1, c);
    EXPECT_NE(std::string::npos, section.find(escaped)) << option;
  }
}
