#include "skin/text_convert.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MultiByteFromWideTest, StopsOneShortOfTheCapacityAndTerminates) {
  const std::wstring text(150, L'7');
  char buffer[100];
  EXPECT_EQ(MultiByteFromWide(buffer, text.c_str(), 100), 99);
  EXPECT_EQ(std::string(buffer), std::string(99, '7'));
}

TEST(MultiByteFromWideTest, HangulSyllablesTakeTwoBytesEach) {
  char buffer[16];
  EXPECT_EQ(MultiByteFromWide(buffer, L"\uAC00\uB098 1", 16), 6);  // 가나 1
  EXPECT_EQ(std::string(buffer), "\xB0\xA1\xB3\xAA 1");
}

TEST(MultiByteFromWideTest, NeverSplitsACharacter) {
  char buffer[4];
  EXPECT_EQ(MultiByteFromWide(buffer, L"\uAC00\uB098", 4), 2);
  EXPECT_EQ(std::string(buffer), "\xB0\xA1");
}

TEST(MultiByteFromWideTest, UnconvertibleTextGivesItsConvertiblePrefix) {
  char buffer[16];
  EXPECT_EQ(MultiByteFromWide(buffer,
                              L"12\u0E01"
                              L"34",
                              16),
            2);  // a Thai letter
  EXPECT_EQ(std::string(buffer), "12");
  EXPECT_EQ(MultiByteFromWide(buffer, L"\u0E01", 16), 0);
  EXPECT_EQ(buffer[0], '\0');
}

TEST(MultiByteFromWideTest, TinyOrMissingBuffersAreSafe) {
  char buffer[2] = {'x', 'x'};
  EXPECT_EQ(MultiByteFromWide(buffer, L"abc", 1), 0);
  EXPECT_EQ(buffer[0], '\0');
  buffer[0] = 'x';
  EXPECT_EQ(MultiByteFromWide(buffer, L"abc", 0), 0);
  EXPECT_EQ(buffer[0], 'x');  // no room even for the terminator
  EXPECT_EQ(MultiByteFromWide(buffer, nullptr, 2), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(MultiByteFromWide(nullptr, L"abc", 5), 0);
}

TEST(WideFromMultiByteTest, ConvertsCodePage949) {
  wchar_t buffer[16];
  EXPECT_EQ(WideFromMultiByte(buffer, "\xB0\xA1\xB3\xAA 12.5", 16), 7);
  EXPECT_EQ(std::wstring(buffer), L"\uAC00\uB098 12.5");
}

TEST(WideFromMultiByteTest, StopsOneShortOfTheCapacity) {
  const std::string text(150, 'a');
  wchar_t buffer[100];
  EXPECT_EQ(WideFromMultiByte(buffer, text.c_str(), 100), 99);
  EXPECT_EQ(std::wstring(buffer), std::wstring(99, L'a'));
  EXPECT_EQ(WideFromMultiByte(buffer, "\xB0\xA1\xB3\xAA", 2), 1);
  EXPECT_EQ(std::wstring(buffer), L"\uAC00");
}

TEST(WideFromMultiByteTest, InvalidBytesEndTheConvertiblePrefix) {
  wchar_t buffer[16];
  EXPECT_EQ(WideFromMultiByte(buffer, "ab\xB0", 16), 2);  // a lead byte with no trail
  EXPECT_EQ(std::wstring(buffer), L"ab");
  EXPECT_EQ(WideFromMultiByte(buffer,
                              "\xFF"
                              "ab",
                              16),
            0);
  EXPECT_EQ(buffer[0], L'\0');
  EXPECT_EQ(WideFromMultiByte(buffer, nullptr, 16), 0);
  EXPECT_EQ(buffer[0], L'\0');
}

}  // namespace
