#include "platform/host/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace host {
namespace {

using namespace std::chrono;

ParsedCommandLine Parse(std::vector<std::string_view> arguments) {
  return ParseCommandLine(arguments);
}

std::string ErrorOf(std::vector<std::string_view> arguments) {
  ParsedCommandLine parsed = Parse(arguments);
  EXPECT_FALSE(parsed.options.has_value());
  return parsed.error;
}

TEST(CommandLine, NoArgumentsOpenTheWindow) {
  ParsedCommandLine parsed = Parse({});
  ASSERT_TRUE(parsed.options);
  EXPECT_EQ(parsed.options->action, CommandLine::Action::Run);
  EXPECT_FALSE(parsed.options->headless);
  EXPECT_FALSE(parsed.options->scale);
  EXPECT_FALSE(parsed.options->dataPath);
  EXPECT_FALSE(parsed.options->today);
}

TEST(CommandLine, EveryOptionWithItsValueApartOrAfterEquals) {
  ParsedCommandLine parsed = Parse({"--headless", "--script=run one.txt", "--today", "2024-02-29",
                                    "--data", "/var/lib/x.dat", "--scale=3"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const CommandLine& options = *parsed.options;
  EXPECT_TRUE(options.headless);
  EXPECT_EQ(options.script, "run one.txt");
  EXPECT_EQ(options.today, sys_days{2024y / February / 29});
  EXPECT_EQ(options.dataPath, "/var/lib/x.dat");
  EXPECT_EQ(options.scale, 3);
}

TEST(CommandLine, HeadlessReadsStandardInputUnlessGivenAScript) {
  EXPECT_EQ(Parse({"--headless"}).options->script, "-");
  ParsedCommandLine scripted = Parse({"--script", "a.txt"});
  ASSERT_TRUE(scripted.options);
  EXPECT_TRUE(scripted.options->headless);
  EXPECT_EQ(scripted.options->script, "a.txt");
}

// The framebuffer's device comes only after '=', so a following option is
// never taken for it; --input adds up.
TEST(CommandLine, FramebufferWithItsDeviceInputsAndCalibration) {
  ParsedCommandLine bare = Parse({"--framebuffer", "--input", "/dev/input/event1"});
  ASSERT_TRUE(bare.options) << bare.error;
  EXPECT_EQ(bare.options->framebuffer, "/dev/fb0");
  ParsedCommandLine full =
      Parse({"--framebuffer=panel.raw", "--fb-geometry=640x480@16", "--input=a", "--input", "b",
             "--touch-calibration", "swap,y=3900:100"});
  ASSERT_TRUE(full.options) << full.error;
  const CommandLine& options = *full.options;
  EXPECT_EQ(options.framebuffer, "panel.raw");
  ASSERT_TRUE(options.framebufferGeometry);
  EXPECT_EQ(options.framebufferGeometry->width, 640);
  EXPECT_EQ(options.inputs, (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(options.touchCalibration.swapAxes);
  ASSERT_TRUE(options.touchCalibration.y);
  EXPECT_EQ(options.touchCalibration.y->first, 3900);
  EXPECT_EQ(ErrorOf({"--framebuffer="}), "--framebuffer= needs a device or file");
  EXPECT_EQ(ErrorOf({"--framebuffer", "--script=a"}),
            "--framebuffer and --headless (or --script) exclude each other");
  EXPECT_EQ(ErrorOf({"--fb-geometry=640x480"}),
            "--fb-geometry needs WxH@BPP (BPP 16, 24 or 32), not '640x480'");
  EXPECT_EQ(ErrorOf({"--touch-calibration=turn"}).rfind("--touch-calibration: ", 0), 0u);
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_EQ(Parse({"--help"}).options->action, CommandLine::Action::Help);
  EXPECT_EQ(Parse({"--version"}).options->action, CommandLine::Action::Version);
  EXPECT_NE(HelpText().find("--script FILE|-"), std::string::npos);
  EXPECT_NE(HelpText().find("xvfb-run"), std::string::npos);
  EXPECT_EQ(VersionText().rfind("roadtally ", 0), 0u);
}

TEST(CommandLine, BadArgumentsGiveOneLine) {
  EXPECT_EQ(ErrorOf({"--scale", "0"}), "--scale needs a whole number 1..16, not '0'");
  EXPECT_NE(ErrorOf({"--scale", "17"}), "");
  EXPECT_NE(ErrorOf({"--scale=2x"}), "");
  EXPECT_NE(ErrorOf({"--scale", "-1"}), "");
  EXPECT_EQ(ErrorOf({"--today", "2023-02-29"}),
            "--today needs a real date YYYY-MM-DD from 1601-01-01 to 9999-12-31 (the clock's "
            "range), not '2023-02-29'");
  EXPECT_NE(ErrorOf({"--today", "1600-12-31"}).find("from 1601-01-01"), std::string::npos);
  EXPECT_TRUE(Parse({"--today", "1601-01-01"}).options);
  EXPECT_EQ(ErrorOf({"--fast"}), "unknown argument '--fast'");
  EXPECT_EQ(ErrorOf({"notes.txt"}), "unknown argument 'notes.txt'");
  EXPECT_EQ(ErrorOf({"--headless", "--script"}), "--script needs a value");
  EXPECT_EQ(ErrorOf({"--headless=yes"}), "--headless takes no value");
  EXPECT_EQ(ErrorOf({"--data="}), "--data needs a PATH");
  for (const std::string& error : {ErrorOf({"--today"}), ErrorOf({"--bad"})})
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace host
