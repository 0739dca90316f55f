// Typed texts to stored integers: value x scale + 0.5, the fraction
// dropped, and nothing for a value its 32-bit field cannot hold.
#include "dialogs/scaled_value.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Case {
  const wchar_t* text;
  int scale;
  std::optional<std::int32_t> stored;
};

TEST(ScaledValue, TextsToStoredIntegers) {
  const Case cases[] = {
      {L"12.345", 100, 1235},
      {L"0.004", 100, 0},
      {L"-1.5", 100, -149},
      {L"7.00", 1000, 7000},
      {L"  3.5km", 100, 350},
      {L"1e3", 100, 100000},
      {L"abc", 100, 0},
      {L"", 1000, 0},
      {L"21474836.47", 100, 2147483647},
      {L"21474836.48", 100, std::nullopt},
      {L"2147483.647", 1000, 2147483647},
      {L"2147484", 1000, std::nullopt},
      {L"-21474836.50", 100, std::nullopt},
      {L"1e400", 100, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.stored, ParseScaledValue(c.text, c.scale)) << testing::PrintToString(c.text);
}

}  // namespace
