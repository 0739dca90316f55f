// The entry dialog opened on an existing record, as the month list opens
// it: the change is written in place, the date and the order kept.
#include <gtest/gtest.h>

#include "platform/win/winuser.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/support/program_run.h"

namespace {

using ledger_test::Record;

TEST(EntryEdit, AChangeKeepsTheRecordsDateAndPlace) {
  testing_support::ProgramRun run{HARNESS_PATH};
  const std::vector<ExpenseRecord> before = {
      Record(2005, 1, 5, 3, 1000), Record(2005, 1, 5, 0, 500, 1000, 2000), Record(2005, 1, 25)};
  ledger_test::WriteBytes(run.Path("Roadtally.dat"), ledger_test::FileOf(before));
  // The cost row, "<-" held to clear the keypad, 7 and OK, then "수  정".
  const std::string kClear = "down 123 222\nwait 1000\nup 123 222\n";
  const auto ended =
      Entry(run, 1, "tap 200 143\n" + kClear + "tap 101 176\ntap 44 222\ntap 43 222\n");
  EXPECT_TRUE(ended.ended);
  EXPECT_EQ(IDOK, ended.result);
  EXPECT_EQ(ledger_test::FileOf({before[0], Record(2005, 1, 5, 0, 700, 1000, 2000), before[2]}),
            ledger_test::ReadBytes(run.Path("Roadtally.dat")));
}

}  // namespace
