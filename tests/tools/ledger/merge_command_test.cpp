// merge as a driver runs it: the file written once through the ledger,
// other copies only read, refusals leaving every file as it was, and
// git merging a logbook through the documented driver.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "platform/host/data_file_lock.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/tools/ledger/tool_test.h"

using namespace ledger_test;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const ExpenseRecord kFeb28 = Record(2005, 2, 28, 17, 9900, 0, 1200);
const ExpenseRecord kA = Record(2005, 3, 1, 0, 5500000, 4050, 412300);
const ExpenseRecord kB = Record(2005, 3, 1, 5, 4500000, 0, 0);
const ExpenseRecord kC = Record(2005, 3, 8, 0, 6000000, 4100, 398000);
const ExpenseRecord kD = Record(2005, 3, 20, 0, 5800000, 3990, 405500);

class MergeCommandTest : public ToolTest {
 protected:
  void SetUp() override { ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1); }

  // FILE, OTHER and BASE of a three-way merge: ours added kD and dropped
  // kB; theirs added kFeb28 and kD (the same refuelling) and dropped kC.
  void WriteCopies() {
    WriteBytes(At("base.dat"), FileOf({kA, kB, kC}));
    WriteBytes(At("unit.dat"), FileOf({kA, kC, kD}));
    WriteBytes(At("desk.dat"), FileOf({kFeb28, kA, kB, kD}));
  }

  ScratchDir runtime;  // a lock directory of this test's own
};

}  // namespace

TEST_F(MergeCommandTest, ThreeWayUnionAndDryRun) {
  WriteCopies();
  const ToolResult dry =
      Run({"merge", At("unit.dat"), At("desk.dat"), "--dry-run", "--base", At("base.dat")});
  EXPECT_EQ(0, dry.exitStatus) << dry.err;
  EXPECT_EQ("would add 1 entry from " + At("desk.dat") + ", remove 1, keep 2\n" +
                "+ 2005-02-28\t17\t브레이크 패드\t0.00\t99.00\t1.200\n"
                "- 2005-03-08\t0\t주유-충전\t41.00\t60000.00\t398.000\n",
            dry.out);
  EXPECT_EQ(FileOf({kA, kC, kD}), ReadBytes(At("unit.dat")));

  const ToolResult merged =
      Run({"merge", At("unit.dat"), At("desk.dat"), "--base", At("base.dat")});
  EXPECT_EQ(0, merged.exitStatus) << merged.err;
  EXPECT_EQ("added 1 entry from " + At("desk.dat") + ", removed 1, kept 2\n", merged.out);
  EXPECT_EQ(FileOf({kFeb28, kA, kD}), ReadBytes(At("unit.dat")));
  EXPECT_EQ(FileOf({kFeb28, kA, kB, kD}), ReadBytes(At("desk.dat")));
  EXPECT_EQ(FileOf({kA, kB, kC}), ReadBytes(At("base.dat")));

  // Without a base nothing is deleted: kB comes back, kC stays, and the
  // second day's entries keep FILE's order before OTHER's.
  WriteCopies();
  const ToolResult joined = Run({"merge", At("unit.dat"), At("desk.dat")});
  EXPECT_EQ(0, joined.exitStatus) << joined.err;
  EXPECT_EQ("added 2 entries from " + At("desk.dat") + ", removed 0, kept 3\n", joined.out);
  EXPECT_EQ(FileOf({kFeb28, kA, kB, kC, kD}), ReadBytes(At("unit.dat")));

  // A base of no bytes (git's when both branches added the file) is one
  // of no entries: the same union.
  WriteCopies();
  WriteBytes(At("empty.dat"), {});
  EXPECT_EQ(0,
            Run({"merge", At("unit.dat"), At("desk.dat"), "--base", At("empty.dat")}).exitStatus);
  EXPECT_EQ(FileOf({kFeb28, kA, kB, kC, kD}), ReadBytes(At("unit.dat")));
}

// While the program runs on FILE, or when OTHER or BASE is damaged,
// nothing is written and the one line says why.
TEST_F(MergeCommandTest, RefusalsLeaveEveryFile) {
  WriteCopies();
  Bytes cut = ReadBytes(At("desk.dat"));
  cut.pop_back();
  WriteBytes(At("cut.dat"), cut);
  const std::vector<std::string> base = {"--base", At("base.dat")};
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{At("unit.dat"), At("cut.dat")}, At("cut.dat") + ": file is cut short"},
      {{At("unit.dat"), At("desk.dat"), "--base", At("cut.dat")},
       At("cut.dat") + ": file is cut short"},
      {{At("unit.dat"), At("missing.dat")}, At("missing.dat") + ": no such file"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"merge"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ToolResult r = Run(args);
    EXPECT_EQ(1, r.exitStatus);
    EXPECT_EQ(0u, r.err.find("roadtally-ledger: " + c.message)) << r.err;
    EXPECT_EQ(r.err.size() - 1, r.err.find('\n')) << r.err;
  }
  {
    const host::DataFileLock program =
        host::DataFileLock::Acquire(At("unit.dat"), host::LockHolder::kProgram, 0ms);
    ASSERT_TRUE(program.Held());
    const ToolResult r = Run({"merge", At("unit.dat"), At("desk.dat")});
    EXPECT_EQ(1, r.exitStatus);
    EXPECT_NE(std::string::npos, r.err.find("roadtally is running on this file")) << r.err;
  }
  EXPECT_EQ(FileOf({kA, kC, kD}), ReadBytes(At("unit.dat")));
  EXPECT_EQ(cut, ReadBytes(At("cut.dat")));
  EXPECT_EQ(2, Run({"merge", At("unit.dat")}).exitStatus);
  EXPECT_EQ(2, Run({"merge", At("unit.dat"), At("desk.dat"), "--base"}).exitStatus);
}

namespace {

// git, run in the repository with no configuration but the repository's own.
class Git {
 public:
  Git(fs::path repo, fs::path home) : repo_(std::move(repo)), home_(std::move(home)) {}
  testing_support::ChildProcess::Result operator()(std::vector<std::string> args) const {
    args.insert(args.begin(), {"git", "-C", repo_.string()});
    testing_support::ChildProcess git(args, {"HOME=" + home_.string(), "GIT_CONFIG_NOSYSTEM=1"},
                                      testing_support::ChildProcess::Origin::kSystem);
    return git.Wait(60s);
  }

 private:
  fs::path repo_;
  fs::path home_;
};

std::string DriverCommand() {
  std::string command;
  for (const std::string& word : testing_support::BuiltProgramCommand({LEDGER_TOOL}))
    command += "'" + word + "' ";
  return command + "merge %A %B --base %O";
}

}  // namespace

// A logbook kept in git: the unit's branch and the desk's branch both
// change it; git merge runs the driver as the README sets it up.
TEST_F(MergeCommandTest, GitMergesThroughTheDriver) {
  const fs::path repo = dir.path() / "logbook";
  fs::create_directories(repo);
  const Git git(repo, dir.path());
  const auto init = git({"init", "-q", "-b", "desk"});
  if (!init.exited || init.exitStatus == 127) GTEST_SKIP() << "no git here";
  ASSERT_EQ(0, init.exitStatus) << init.err;
  for (const std::vector<std::string>& setting :
       std::vector<std::vector<std::string>>{{"user.name", "Roadtally Test"},
                                             {"user.email", "test@roadtally.invalid"},
                                             {"commit.gpgsign", "false"},
                                             {"merge.roadtally.name", "Roadtally logbook"},
                                             {"merge.roadtally.driver", DriverCommand()}}) {
    ASSERT_EQ(0, git({"config", setting[0], setting[1]}).exitStatus);
  }
  std::ofstream(repo / ".gitattributes") << "*.dat merge=roadtally\n";
  std::ofstream(repo / ".gitignore") << ".*.lock\n";
  const fs::path logbook = repo / "Roadtally.dat";
  const auto commit = [&](const Bytes& bytes, const std::string& message) {
    WriteBytes(logbook, bytes);
    ASSERT_EQ(0, git({"add", "-A"}).exitStatus);
    ASSERT_EQ(0, git({"commit", "-q", "-m", message}).exitStatus);
  };
  commit(FileOf({kA, kB, kC}), "the copy both had");
  ASSERT_EQ(0, git({"checkout", "-q", "-b", "unit"}).exitStatus);
  commit(FileOf({kA, kC, kD}), "entered on the unit");
  ASSERT_EQ(0, git({"checkout", "-q", "desk"}).exitStatus);
  commit(FileOf({kFeb28, kA, kB, kD}), "entered on the desk");

  const auto merged = git({"merge", "-q", "--no-edit", "unit"});
  EXPECT_EQ(0, merged.exitStatus) << merged.out << merged.err;
  EXPECT_EQ(FileOf({kFeb28, kA, kD}), ReadBytes(logbook));
  EXPECT_EQ("", git({"status", "--porcelain"}).out);
}
