// Where the installed program keeps its logbook, seen from outside: a copy
// of the real executable run in a folder of its own, with its own
// XDG_DATA_HOME and HOME, once asked with --where and once making a change.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "tests/support/child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::ChildProcess;

std::string Tap(int x, int y) {
  return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

// A refuelling of 5 on the day: the entry dialog, its cost row, keypad 5, OK, confirm.
const std::string kAddEntry =
    Tap(20, 214) + Tap(200, 143) + Tap(275, 140) + Tap(44, 222) + Tap(43, 222);

class DataLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "data-location-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    bin_ = dir_ / "bin";
    fs::create_directories(bin_);
    fs::copy_file(ROADTALLY_PATH, Program());
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Program() const { return bin_ / "roadtally"; }
  fs::path Beside() const { return bin_ / "Roadtally.dat"; }

  ChildProcess::Result Run(std::vector<std::string> arguments, std::vector<std::string> environment,
                           const std::string& script = "") {
    arguments.insert(arguments.begin(), Program().string());
    environment.push_back("XDG_RUNTIME_DIR=" + dir_.string());
    ChildProcess child(arguments, environment);
    child.WriteInput(script);
    return child.Wait(30s);
  }

  // --where's answer, and the one file a change then creates or changes.
  void ExpectWhereAgreesWithTheSave(const std::vector<std::string>& options,
                                    const std::vector<std::string>& environment,
                                    const fs::path& expected) {
    const ChildProcess::Result where = Run(Concat(options, {"--where"}), environment);
    ASSERT_EQ(where.exitStatus, 0) << where.err;
    EXPECT_EQ(where.out, expected.string() + "\n");
    // A new file is the 24-byte header; each record is 20 bytes.
    const auto sizeBefore = fs::exists(expected) ? fs::file_size(expected) : 24;
    const ChildProcess::Result run =
        Run(Concat(options, {"--headless", "--today", "2005-01-20"}), environment, kAddEntry);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    ASSERT_TRUE(fs::exists(expected));
    EXPECT_EQ(fs::file_size(expected), sizeBefore + 20) << "one record added";
  }

  void MakeFileBeside() {
    const ChildProcess::Result made =
        Run({"--headless", "--today", "2005-01-20", "--data", Beside().string()}, {}, kAddEntry);
    ASSERT_EQ(made.exitStatus, 0) << made.err;
    ASSERT_EQ(fs::file_size(Beside()), 24u + 20u);
  }

  static std::vector<std::string> Concat(std::vector<std::string> a,
                                         const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  fs::path dir_;
  fs::path bin_;  // where the copy of the program is
};

TEST_F(DataLocation, WithoutAFileBesideTheProgramItGoesToAPrivateUserDirectory) {
  const fs::path xdg = dir_ / "xdg";
  ExpectWhereAgreesWithTheSave({}, {"XDG_DATA_HOME=" + xdg.string(), "HOME=/nonexistent"},
                               xdg / "roadtally" / "Roadtally.dat");
  struct stat info {};
  ASSERT_EQ(::stat((xdg / "roadtally").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_FALSE(fs::exists(Beside()));
}

TEST_F(DataLocation, WithoutXdgDataHomeItGoesUnderHome) {
  for (const char* unusable : {"XDG_DATA_HOME=", "XDG_DATA_HOME=relative/dir"}) {
    SCOPED_TRACE(unusable);
    ExpectWhereAgreesWithTheSave({}, {unusable, "HOME=" + dir_.string()},
                                 dir_ / ".local" / "share" / "roadtally" / "Roadtally.dat");
  }
}

TEST_F(DataLocation, AFileBesideTheProgramIsKeptUsing) {
  MakeFileBeside();
  const fs::path xdg = dir_ / "xdg";
  ExpectWhereAgreesWithTheSave({}, {"XDG_DATA_HOME=" + xdg.string()}, Beside());
  EXPECT_FALSE(fs::exists(xdg));
}

TEST_F(DataLocation, DataOptionWinsOverBoth) {
  MakeFileBeside();
  const fs::path chosen = dir_ / "car.dat", xdg = dir_ / "xdg";
  ExpectWhereAgreesWithTheSave({"--data", chosen.string()}, {"XDG_DATA_HOME=" + xdg.string()},
                               chosen);
  EXPECT_FALSE(fs::exists(xdg));
  EXPECT_EQ(fs::file_size(Beside()), 24u + 20u);
}

// The path is decided once, by the launcher, at any length the system
// allows: under a directory of over 400 characters the program still uses
// the file beside it, or the --data file, and saves where --where says.
TEST_F(DataLocation, ExecutableUnderALongPathKeepsItsFile) {
  const fs::path first = Program();
  for (char part = 'a'; part < 'j'; ++part) bin_ /= std::string(50, part);
  fs::create_directories(bin_);
  fs::copy_file(first, Program());
  ASSERT_GT(Beside().string().size(), 400u);
  MakeFileBeside();
  ExpectWhereAgreesWithTheSave({}, {"XDG_DATA_HOME=" + (dir_ / "xdg").string()}, Beside());
  ExpectWhereAgreesWithTheSave({"--data", (dir_ / "car.dat").string()}, {}, dir_ / "car.dat");
  EXPECT_FALSE(fs::exists("/Roadtally.dat"));
}

}  // namespace
