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
