// The tool's value parsing on the inputs fuzzing reached: long decimals
// and digit runs beyond 64 bits are read without overflow.
#include "tools/ledger/arguments.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// The stored value, or nothing when refused.
std::optional<std::int32_t> ParseScaled(const std::string& text, int scale) {
  std::int32_t value = 0;
  return ledger_tool::ReadScaled(text, scale, value) ? std::optional<std::int32_t>(value)
                                                     : std::nullopt;
}

}  // namespace

TEST(ToolArguments, ScaledValuesOfEveryLengthAreReadWithoutOverflow) {
  const std::string longFraction = "40." + std::string(40, '3') + "5";
  struct Case {
    std::string text;
    int scale;
    std::optional<std::int32_t> stored;
  } cases[] = {
      {"40.5", 100, 4050},
      {"-5", 100, -500},
      {"412.3", 1000, 412300},
      {longFraction, 100, 4033},  // found by fuzzing: the decimals' unit overflowed
      {"0." + std::string(30, '0') + "1", 1000, 0},
      {std::string(30, '9'), 100, std::nullopt},
      {"21474836.47", 100, 2147483647},
      {"21474836.48", 100, std::nullopt},
      // Rounded on the digits, half away from zero: in binary 1.005 is
      // just under 1.005 and 0.285 under 0.285.
      {"1.005", 100, 101},
      {"0.285", 100, 29},
      {"-1.005", 100, -101},
      {"1.0049999", 100, 100},
      {"-0.0005", 1000, -1},
      {"12.3456", 1000, 12346},
      {"21474836.475", 100, std::nullopt},
      {"1e3", 100, std::nullopt},
      {".", 100, std::nullopt},
      {"-.", 100, std::nullopt},
      {"3.", 100, 300},
      {"-21474836.48", 100, -2147483648},
      {std::string(30, '0') + "1.5", 1000, 1500},
  };
  for (const Case& c : cases) EXPECT_EQ(c.stored, ParseScaled(c.text, c.scale)) << c.text;
}
