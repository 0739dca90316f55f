// Typed texts to stored integers, rounded half away from zero on the
// digits, and nothing for a value its 32-bit field cannot hold; stored
// values to the texts the entry dialog shows, which read back the same.
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
      {L"-1.5", 100, -150},
      {L"-1.000", 1000, -1000},
      {L"1.005", 100, 101},
      {L"0.285", 100, 29},
      {L"67200.0067250", 100, 6720001},
      {L"7.00", 1000, 7000},
      {L"  3.5km", 100, 350},
      {L"1e3", 100, 100},
      {L"-", 100, 0},
      {L"abc", 100, 0},
      {L"", 1000, 0},
      {L"21474836.47", 100, 2147483647},
      {L"21474836.48", 100, std::nullopt},
      {L"2147483.647", 1000, 2147483647},
      {L"2147484", 1000, std::nullopt},
      {L"-21474836.50", 100, std::nullopt},
      {L"99999999999999999999", 100, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.stored, ParseScaledValue(c.text, c.scale)) << testing::PrintToString(c.text);
}

TEST(ScaledValue, StoredValuesShowExactlyAndReadBack) {
  const Case cases[] = {
      {L"42.00", 100, 4200},
      {L"0.05", 100, 5},
      {L"-0.01", 100, -1},
      {L"12.345", 1000, 12345},
      {L"12.35", 1000, 12350},
      {L"-1.00", 1000, -1000},
      {L"0.001", 1000, 1},
      {L"-2147483.648", 1000, INT32_MIN},
      {L"21474836.47", 100, INT32_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.text, FormatScaledValue(*c.stored, c.scale));
    EXPECT_EQ(c.stored, ParseScaledValue(FormatScaledValue(*c.stored, c.scale), c.scale));
  }
}

}  // namespace
