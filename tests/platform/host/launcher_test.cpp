#include "platform/host/launcher.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/support/child_process.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;

// Each test runs the launcher with the stand-in program in a directory of
// its own, which is also its runtime directory.
class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "launcher-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::vector<std::string> Environment() const { return {"XDG_RUNTIME_DIR=" + dir_}; }

  std::vector<std::string> Command(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), LAUNCHER_PROBE);
    return arguments;
  }

  ChildProcess::Result Run(std::vector<std::string> arguments, const std::string& input = "") {
    ChildProcess child(Command(std::move(arguments)), Environment());
    child.WriteInput(input);
    return child.Wait(20s);
  }

  ChildProcess::Result RunScript(const std::string& script, std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{"--headless", "--data", dir_ + "/Roadtally.dat"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return Run(arguments, script);
  }

  std::string dir_;
};

TEST_F(LauncherTest, HelpNamesEveryOptionTheKeysAndTheScript) {
  ChildProcess::Result help = Run({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  for (const char* text :
       {"--version", "--headless", "--script FILE|-", "--today YYYY-MM-DD", "--data PATH",
        "--scale N", "End", "NUMPAD0", "tap X Y", "shot FILE.png"})
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  ChildProcess::Result version = Run({"--version"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.out.rfind("roadtally ", 0), 0u);
}

TEST_F(LauncherTest, BadOptionIsOneLineAndStatusTwo) {
  ChildProcess::Result result = Run({"--scale", "zero"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, "roadtally: --scale needs a whole number 1..16, not 'zero' (see --help)\n");
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(Run({"--script", dir_ + "/missing.txt"}).exitStatus, 2);
}

TEST_F(LauncherTest, ScriptRunsInVirtualTimeOnTheGivenDayThenCloses) {
  ChildProcess::Result result =
      RunScript("tap 10 20\nkey F1\nwait 250\nkey F2\nwait 50\n", {"--today", "2024-02-29"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "running\n"
            "down 10 20 @0\nup 10 20 @0\n"
            "keydown 0x70\nkeyup 0x70\ndate 2024-02-29 12:00:00.000\n"
            "timer 100\ntimer 200\n"
            "keydown 0x71\nkeyup 0x71\n"
            // The 250 ms sleep put the clock at 500, past the deadlines at 300
            // and 400: the stand-in fires each late, then the one due at 500.
            "timer 500\ntimer 500\ntimer 500\n"
            "close\n");
}

TEST_F(LauncherTest, MalformedLineStopsTheRunWithItsNumber) {
  ChildProcess::Result result = RunScript("tap 1 1\n# fine so far\njump 3 4\ntap 2 2\n");
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, "script:3: unknown command 'jump'\n");
  EXPECT_EQ(result.out, "running\ndown 1 1 @0\nup 1 1 @0\nquit 2\n");
}

TEST_F(LauncherTest, ProgramEndingFirstLeavesTheRestUnrunAndSaysWhere) {
  ChildProcess::Result result = RunScript("wait 10\nkey DEVICE\ntap 5 5\n");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "script:2: the program ended here; the rest of the script was not run\n");
  EXPECT_EQ(result.out.find("down 5 5"), std::string::npos);
}

TEST_F(LauncherTest, ShotWritesTheLastPresentedScreenBesideTheCurrentDirectory) {
  const std::string shot = dir_ + "/after tap.png";
  ChildProcess::Result result = RunScript("tap 77 1\nshot " + shot + "\n");
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  std::ifstream written(shot);
  std::string description;
  std::getline(written, description);
  EXPECT_EQ(description, "320x240 77");
}

TEST_F(LauncherTest, SecondStartWithTheSameDataFileRaisesTheFirstAndEnds) {
  ChildProcess first(Command({"--script", "-", "--data", dir_ + "/Roadtally.dat"}), Environment());
  ASSERT_EQ(first.ReadLine(20s), "running");

  ChildProcess::Result second = RunScript("tap 1 1\n");
  EXPECT_EQ(second.exitStatus, 0);
  EXPECT_EQ(second.out, "raised the other\n");

  ChildProcess::Result other = Run({"--headless", "--data", dir_ + "/Other.dat"}, "tap 1 1\n");
  EXPECT_EQ(other.exitStatus, 0);
  EXPECT_EQ(other.out.rfind("running\n", 0), 0u);

  first.WriteInput("key DEVICE\n");
  ChildProcess::Result ended = first.Wait(20s);
  EXPECT_EQ(ended.exitStatus, 0);
  EXPECT_EQ(ended.out, "keydown 0xC3\nkeyup 0xC3\n");
}

TEST_F(LauncherTest, WithoutADisplayTheWindowModeNamesTheWaysOut) {
  ChildProcess child(
      Command({"--data", dir_ + "/Roadtally.dat"}),
      {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "XDG_RUNTIME_DIR=" + dir_});
  ChildProcess::Result result = child.Wait(20s);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.err.find("--headless"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("xvfb-run"), std::string::npos) << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

// SDL and the libraries it brings are mapped only once a window is wanted:
// never on a headless run, and from the window module when one is.
TEST_F(LauncherTest, WindowLibrariesAreLoadedOnlyForAWindow) {
  ChildProcess headless(Command({"--headless", "--data", dir_ + "/Roadtally.dat"}),
                        {"XDG_RUNTIME_DIR=" + dir_, "LD_DEBUG=files"});
  headless.WriteInput("tap 1 1\n");
  ChildProcess::Result ran = headless.Wait(20s);
  EXPECT_EQ(ran.exitStatus, 0);
  EXPECT_NE(ran.err.find("libc.so"), std::string::npos) << "no loader trace: " << ran.err;
  EXPECT_EQ(ran.err.find("libSDL2"), std::string::npos);

  ChildProcess window(Command({"--data", dir_ + "/Roadtally.dat"}),
                      {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=",
                       "XDG_RUNTIME_DIR=" + dir_, "LD_DEBUG=files"});
  ChildProcess::Result tried = window.Wait(20s);
  EXPECT_EQ(tried.exitStatus, 1);
  EXPECT_NE(tried.err.find("roadtally-window.so"), std::string::npos);
  EXPECT_NE(tried.err.find("libSDL2"), std::string::npos);
}

// A copy of the program without the module beside it says so in one line.
TEST_F(LauncherTest, WithoutTheWindowModuleTheWindowModeSaysSoInOneLine) {
  const std::filesystem::path copy = std::filesystem::path(dir_) / "bin" / "launcher_probe";
  std::filesystem::create_directories(copy.parent_path());
  std::filesystem::copy_file(LAUNCHER_PROBE, copy);
  ChildProcess child({copy.string(), "--data", dir_ + "/Roadtally.dat"},
                     {"XDG_RUNTIME_DIR=" + dir_});
  ChildProcess::Result result = child.Wait(20s);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.err.find("cannot load the window module"), std::string::npos) << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

// The data file is decided once, and never guessed: without the
// executable's own path only --data names one.
TEST(DataFileChoice, DataOptionBesideFileUserDirectoryOrAClearError) {
  const std::optional<std::string> none;
  const std::string beside = "/opt/rt/Roadtally.dat";
  const struct {
    std::optional<std::string> given, beside;
    bool besideExists;
    std::optional<std::string> user;
    const char* chosen;
  } cases[] = {
      {"/car.dat", none, false, "/u", "/car.dat"},  // the executable's path unreadable
      {"/car.dat", beside, true, "/u", "/car.dat"},
      {none, beside, true, "/u", "/opt/rt/Roadtally.dat"},
      {none, beside, false, "/u", "/u/Roadtally.dat"},
      {none, beside, false, none, "/opt/rt/Roadtally.dat"},
  };
  for (const auto& c : cases) {
    const host::DataFileChoice choice =
        host::ChooseDataFile(c.given, c.beside, c.besideExists, c.user);
    EXPECT_EQ(choice.path, c.chosen);
    EXPECT_EQ(choice.error, "");
  }
  const host::DataFileChoice guess = host::ChooseDataFile(none, none, false, "/u");
  EXPECT_EQ(guess.path, "");
  EXPECT_NE(guess.error.find("--data"), std::string::npos) << guess.error;
}

}  // namespace
