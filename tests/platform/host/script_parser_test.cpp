#include "platform/host/script_parser.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace host {
namespace {

using Kind = ScriptCommand::Kind;

ScriptCommand Parsed(std::string_view line) {
  ParsedLine parsed = ParseScriptLine(line);
  EXPECT_EQ(parsed.error, "") << line;
  EXPECT_TRUE(parsed.command.has_value()) << line;
  return parsed.command.value_or(ScriptCommand{});
}

std::string ErrorOf(std::string_view line) {
  ParsedLine parsed = ParseScriptLine(line);
  EXPECT_FALSE(parsed.command.has_value()) << line;
  return parsed.error;
}

TEST(ScriptParser, PointCommandsTakeTheScreenCorners) {
  ScriptCommand tap = Parsed("tap 319 239");
  EXPECT_EQ(tap.kind, Kind::Tap);
  EXPECT_EQ(tap.x, 319);
  EXPECT_EQ(tap.y, 239);
  EXPECT_EQ(Parsed("down 0 0").kind, Kind::PenDown);
  EXPECT_EQ(Parsed("move 5 6").kind, Kind::PenMove);
  ScriptCommand up = Parsed("\tup   17  4 \r");
  EXPECT_EQ(up.kind, Kind::PenUp);
  EXPECT_EQ(up.x, 17);
  EXPECT_EQ(up.y, 4);
}

TEST(ScriptParser, PointsOffTheScreenOrNotWholeNumbersAreRefused) {
  EXPECT_EQ(ErrorOf("tap 320 0"), "X must be a whole number 0..319, not '320'");
  EXPECT_EQ(ErrorOf("tap 0 240"), "Y must be a whole number 0..239, not '240'");
  EXPECT_NE(ErrorOf("tap -1 0"), "");
  EXPECT_NE(ErrorOf("tap +1 0"), "");
  EXPECT_NE(ErrorOf("tap 1.5 0"), "");
  EXPECT_NE(ErrorOf("tap 0x10 0"), "");
  EXPECT_NE(ErrorOf("move 99999999999999999999 0"), "");
  EXPECT_EQ(ErrorOf("tap 1"), "tap needs X Y");
  EXPECT_EQ(ErrorOf("down 1 2 3"), "down needs X Y");
}

TEST(ScriptParser, KeysByNameNumberOrCode) {
  EXPECT_EQ(Parsed("key LEFT").vk, 0x25u);
  EXPECT_EQ(Parsed("key RIGHT").vk, 0x27u);
  EXPECT_EQ(Parsed("key UP").vk, 0x26u);
  EXPECT_EQ(Parsed("key DOWN").vk, 0x28u);
  EXPECT_EQ(Parsed("key RETURN").vk, 0x0Du);
  EXPECT_EQ(Parsed("key ESCAPE").vk, 0x1Bu);
  EXPECT_EQ(Parsed("key F1").vk, 0x70u);
  EXPECT_EQ(Parsed("key F4").vk, 0x73u);
  EXPECT_EQ(Parsed("key NUMPAD0").vk, 0x60u);
  EXPECT_EQ(Parsed("key NUMPAD9").vk, 0x69u);
  EXPECT_EQ(Parsed("key DEVICE").vk, 0xC3u);
  EXPECT_EQ(Parsed("keydown 0xC3").kind, Kind::KeyDown);
  EXPECT_EQ(Parsed("keyup 0x0d").vk, 0x0Du);
  EXPECT_EQ(Parsed("key f2").vk, 0x71u);
}

TEST(ScriptParser, UnknownKeysAreRefused) {
  EXPECT_EQ(ErrorOf("key SPACE"), "unknown key 'SPACE'");
  EXPECT_NE(ErrorOf("key NUMPAD10"), "");
  EXPECT_NE(ErrorOf("key F5"), "");
  EXPECT_NE(ErrorOf("key 0x00"), "");
  EXPECT_NE(ErrorOf("key 0xFF"), "");
  EXPECT_NE(ErrorOf("key 0x100"), "");
  EXPECT_NE(ErrorOf("key 0xG1"), "");
  EXPECT_EQ(ErrorOf("key"), "key needs one key NAME");
  EXPECT_EQ(ErrorOf("keyup F1 F2"), "keyup needs one key NAME");
}

TEST(ScriptParser, WaitTakesNonNegativeMilliseconds) {
  EXPECT_EQ(Parsed("wait 0").ms, 0u);
  EXPECT_EQ(Parsed("wait 2147483647").ms, 2147483647u);
  EXPECT_NE(ErrorOf("wait 2147483648"), "");
  EXPECT_NE(ErrorOf("wait -5"), "");
  EXPECT_NE(ErrorOf("wait 10ms"), "");
  EXPECT_EQ(ErrorOf("wait"), "wait needs MS");
}

TEST(ScriptParser, ShotTakesThePngNameWithItsSpaces) {
  EXPECT_EQ(Parsed("shot out/first shot.png").file, "out/first shot.png");
  EXPECT_EQ(Parsed("  shot a.png   # after").file, "a.png");
  EXPECT_EQ(ErrorOf("shot"), "shot needs a FILE.png");
  EXPECT_EQ(ErrorOf("shot picture.bmp"), "shot needs a FILE.png");
  EXPECT_EQ(ErrorOf("shot .png"), "shot needs a FILE.png");
}

TEST(ScriptParser, CommentsAndBlankLinesHoldNoCommand) {
  for (std::string_view line : {"", "   ", "\r", "# tap 1 2", "   # note"}) {
    ParsedLine parsed = ParseScriptLine(line);
    EXPECT_FALSE(parsed.command.has_value()) << line;
    EXPECT_EQ(parsed.error, "") << line;
  }
  EXPECT_EQ(Parsed("tap 3 4 # third column").x, 3);
}

TEST(ScriptParser, CommandWordsAreExact) {
  EXPECT_EQ(ErrorOf("TAP 1 2"), "unknown command 'TAP'");
  EXPECT_EQ(ErrorOf("tap1 2"), "unknown command 'tap1'");
  EXPECT_NE(ErrorOf("tap 1 2#x"), "");
}

TEST(ScriptReader, CountsEveryLineAndStopsAtTheFirstError) {
  auto text = std::make_unique<std::istringstream>(
      "# demo\n\ntap 1 2\n\n  # pause\nwait 5\nkey SPACE\ntap 3 4\n");
  ScriptReader reader(std::move(text));
  ParsedLine first = reader.Next();
  ASSERT_TRUE(first.command.has_value());
  EXPECT_EQ(first.command->kind, Kind::Tap);
  EXPECT_EQ(reader.LineNumber(), 3);
  EXPECT_EQ(reader.Next().command.value().kind, Kind::Wait);
  EXPECT_EQ(reader.LineNumber(), 6);
  ParsedLine bad = reader.Next();
  EXPECT_FALSE(bad.command.has_value());
  EXPECT_EQ(bad.error, "unknown key 'SPACE'");
  EXPECT_EQ(reader.LineNumber(), 7);
}

TEST(ScriptReader, LooksAheadForCommandsPastComments) {
  ScriptReader withCommand(std::make_unique<std::istringstream>("tap 1 1\n# end\n\nwait 1\n"));
  withCommand.Next();
  EXPECT_TRUE(withCommand.HasMoreCommands());
  ScriptReader withoutCommand(std::make_unique<std::istringstream>("tap 1 1\n# end\n\n"));
  withoutCommand.Next();
  EXPECT_FALSE(withoutCommand.HasMoreCommands());
}

}  // namespace
}  // namespace host
