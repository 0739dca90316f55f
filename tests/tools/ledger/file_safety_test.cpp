// The tool never loses an entry: what it cannot read it refuses (at once,
// for special files), what it writes keeps links and modes, its writers
// queue on the file's lock, and leftovers of killed saves go.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>

#include "tests/ledger/ledger_bytes.h"
#include "tests/tools/ledger/tool_test.h"

using namespace ledger_test;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class FileSafetyTest : public ToolTest {
 protected:
  void SetUp() override { ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1); }
  ToolResult Add(const std::string& file, const std::string& cost) {
    return Run({"add", file, "2005-03-08", "0", "0", cost, "0"});
  }

  ScratchDir runtime;  // a lock directory of this test's own
};

Bytes OneRecordFile(int cost) {
  Bytes file = Header(1);
  PutRecord(file, 2005, 3, 1, 0, cost, 0, 0);
  return file;
}

std::int32_t Int32At(const Bytes& bytes, size_t at) {
  return static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                   static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(0, ::stat(path.c_str(), &info));
  return info.st_mode & 07777;
}

}  // namespace

// Each refusal is one line with the reason; the path is as it was.
TEST_F(FileSafetyTest, SpecialPathsAreRefusedAtOnceAndLeftAlone) {
  ASSERT_EQ(0, ::mkfifo(At("fifo").c_str(), 0600));
  fs::create_directory(At("directory"));
  fs::create_symlink("loop-b", At("loop-a"));
  fs::create_symlink("loop-a", At("loop-b"));
  struct Case {
    const char* name;
    const char* reason;
  } cases[] = {{"fifo", "not a regular file"},
               {"directory", "not a regular file"},
               {"loop-a", "Too many levels of symbolic links"}};
  for (const Case& c : cases) {
    for (const char* command : {"show", "add"}) {
      SCOPED_TRACE(std::string(c.name) + " " + command);
      const auto start = std::chrono::steady_clock::now();
      const ToolResult r =
          std::string(command) == "show" ? Run({"show", At(c.name)}) : Add(At(c.name), "1");
      EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
      EXPECT_EQ(1, r.exitStatus);
      EXPECT_NE(std::string::npos, r.err.find(c.reason)) << r.err;
      EXPECT_EQ(r.err.size() - 1, r.err.find('\n')) << r.err;
    }
  }
  EXPECT_TRUE(fs::is_fifo(At("fifo")));
  EXPECT_TRUE(fs::is_empty(At("directory")));
  EXPECT_EQ("loop-b", fs::read_symlink(At("loop-a")).string());
}

TEST_F(FileSafetyTest, UnreadableFileIsRefusedNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
  Bytes many = Header(1000);
  for (int i = 0; i < 1000; ++i) PutRecord(many, 2005, 3, 1 + i % 28, 0, i + 1, 0, 0);
  WriteBytes(At("Roadtally.dat"), many);
  fs::permissions(At("Roadtally.dat"), fs::perms::none);
  const ToolResult r = Add(At("Roadtally.dat"), "1");
  fs::permissions(At("Roadtally.dat"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(1, r.exitStatus);
  EXPECT_NE(std::string::npos, r.err.find("Permission denied")) << r.err;
  EXPECT_EQ(many, ReadBytes(At("Roadtally.dat")));
}

// A save through a link writes its target, so the link stays a link; the
// new file keeps the old one's mode.
TEST_F(FileSafetyTest, LinksStayLinksAndModesAreKept) {
  fs::create_directory(At("real"));
  WriteBytes(At("real/Roadtally.dat"), OneRecordFile(100));
  ASSERT_EQ(0, ::chmod(At("real/Roadtally.dat").c_str(), 0600));
  fs::create_symlink("real/Roadtally.dat", At("link.dat"));
  ASSERT_EQ(0, Add(At("link.dat"), "2").exitStatus);
  EXPECT_TRUE(fs::is_symlink(At("link.dat")));
  EXPECT_EQ(64u, ReadBytes(At("real/Roadtally.dat")).size());
  EXPECT_EQ(0600u, ModeOf(At("real/Roadtally.dat")));
  EXPECT_EQ(2u, std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));

  for (mode_t mode : {0640u, 0604u}) {
    ASSERT_EQ(0, ::chmod(At("real/Roadtally.dat").c_str(), mode));
    ASSERT_EQ(0, Run({"remove", At("link.dat"), "0"}).exitStatus);
    EXPECT_EQ(mode, ModeOf(At("real/Roadtally.dat")));
  }
}

// Exactly the save's own temporaries of this file go; nothing else, and
// no link is followed.
TEST_F(FileSafetyTest, LeftoversOfThisFileAreRemovedOthersKept) {
  WriteBytes(At("Roadtally.dat"), OneRecordFile(100));
  const std::vector<std::string> leftovers = {"Roadtally.dat.tmp-123-0", "Roadtally.dat.tmp-9-44"};
  const std::vector<std::string> others = {"Roadtally.dat.tmp-12x-0",
                                           "Roadtally.dat.tmp-1-2.bak",
                                           "Roadtally.dat.tmp--1",
                                           "Other.dat.tmp-1-2",
                                           "Roadtally.dat.damaged-20050101-000000",
                                           "target"};
  for (const std::string& name : leftovers) WriteBytes(At(name), {1, 2, 3});
  for (const std::string& name : others) WriteBytes(At(name), {4, 5});
  fs::create_symlink("target", At("Roadtally.dat.tmp-7-7"));
  ASSERT_EQ(0, Add(At("Roadtally.dat"), "2").exitStatus);
  for (const std::string& name : leftovers) EXPECT_FALSE(fs::exists(At(name))) << name;
  for (const std::string& name : others) EXPECT_EQ((Bytes{4, 5}), ReadBytes(At(name))) << name;
  EXPECT_TRUE(fs::is_symlink(At("Roadtally.dat.tmp-7-7")));
}

// Writers queue on the file's lock: every one of them is kept.
TEST_F(FileSafetyTest, TwentyConcurrentAddsKeepTwentyRecords) {
  std::vector<std::unique_ptr<testing_support::ChildProcess>> adds;
  for (int i = 1; i <= 20; ++i) {
    adds.push_back(std::make_unique<testing_support::ChildProcess>(std::vector<std::string>{
        LEDGER_TOOL, "add", At("Roadtally.dat"), "2005-03-08", "0", "0", std::to_string(i), "0"}));
  }
  for (auto& add : adds) {
    const testing_support::ChildProcess::Result r = add->Wait(60s);
    EXPECT_TRUE(r.exited);
    EXPECT_EQ(0, r.exitStatus) << r.err;
  }
  const Bytes saved = ReadBytes(At("Roadtally.dat"));
  ASSERT_EQ(24u + 20 * 20, saved.size());
  std::vector<int> costs;
  for (size_t at = 24 + 8; at < saved.size(); at += 20) costs.push_back(Int32At(saved, at));
  std::sort(costs.begin(), costs.end());
  for (int i = 0; i < 20; ++i) EXPECT_EQ(100 * (i + 1), costs[static_cast<size_t>(i)]);
}

// Same-day records stay in the order they were entered through adds, a
// removal and every reload; a foreign month 13 hides no January.
TEST_F(FileSafetyTest, SameDayOrderAndImpossibleMonthsAndSignedValues) {
  for (const char* cost : {"3", "1", "2"}) ASSERT_EQ(0, Add(At("Roadtally.dat"), cost).exitStatus);
  ASSERT_EQ(0, Run({"remove", At("Roadtally.dat"), "1"}).exitStatus);
  ASSERT_EQ(0, Add(At("Roadtally.dat"), "-5").exitStatus);
  EXPECT_EQ(
      "date\titem_id\titem\tfuel_l\tcost\tdistance_km\n"
      "2005-03-08\t0\t주유-충전\t0.00\t3.00\t0.000\n"
      "2005-03-08\t0\t주유-충전\t0.00\t2.00\t0.000\n"
      "2005-03-08\t0\t주유-충전\t0.00\t-5.00\t0.000\n",
      Run({"show", At("Roadtally.dat")}).out);
  const Bytes saved = ReadBytes(At("Roadtally.dat"));
  ASSERT_EQ(84u, saved.size());
  EXPECT_EQ(-500, Int32At(saved, 24 + 2 * 20 + 8));

  Bytes foreign = Header(3);
  PutRecord(foreign, 2004, 13, 1, 0, 100, 0, 0);
  PutRecord(foreign, 2005, 1, 3, 5, 2000, 0, 0);
  PutRecord(foreign, 2005, 1, 4, 0, 300, 0, 0);
  WriteBytes(At("foreign.dat"), foreign);
  const ToolResult month = Run({"month", At("foreign.dat"), "2005", "1"});
  EXPECT_EQ(0, month.exitStatus);
  EXPECT_NE(std::string::npos, month.out.find("1/03\t엔진오일\t20.00")) << month.out;
  EXPECT_NE(std::string::npos, month.out.find("1/04\t주유-충전\t3.00\n월비용: 23원")) << month.out;

  // A foreign day 0 of February has the device's day number of 31 January;
  // an import puts it after January all the same, as every load does.
  Bytes dayZero = Header(1);
  PutRecord(dayZero, 2005, 2, 0, 0, 100, 0, 0);
  WriteBytes(At("day0.dat"), dayZero);
  std::ofstream(At("jan31.csv")) << "date,item_id,item,fuel_l,cost,distance_km\n"
                                    "2005-01-31,0,주유-충전,0,2,0\n";
  ASSERT_EQ(0, Run({"import", At("day0.dat"), At("jan31.csv")}).exitStatus);
  Bytes ordered = Header(2);
  PutRecord(ordered, 2005, 1, 31, 0, 200, 0, 0);
  PutRecord(ordered, 2005, 2, 0, 0, 100, 0, 0);
  EXPECT_EQ(ordered, ReadBytes(At("day0.dat")));
}
