#include "platform/win/stringapiset.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Wide text to code page 949 through the usual two calls: size, then text.
std::string Narrow(const std::wstring& text, UINT codePage = CP_ACP) {
  const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  EXPECT_EQ(WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                size, nullptr, nullptr),
            size);
  return out;
}

std::wstring Wide(const std::string& text, UINT codePage = CP_ACP, DWORD flags = 0) {
  const int size =
      MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  EXPECT_EQ(MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()),
                                out.data(), size),
            size);
  return out;
}

TEST(CodePage949, HangulTakesTwoBytesAndAsciiOne) {
  // 가 = B0 A1, 나 = B3 AA in KS X 1001.
  EXPECT_EQ(Narrow(L"가나 1"), "\xB0\xA1\xB3\xAA 1");
  EXPECT_EQ(Narrow(L"주유-충전").size(), 9u);
  EXPECT_EQ(Narrow(L"와이퍼 블레이드").size(), 15u);
  EXPECT_EQ(Wide("\xB0\xA1\xB3\xAA 1"), L"가나 1");
  EXPECT_EQ(Narrow(L"가", 949), Narrow(L"가", CP_ACP));
}

TEST(CodePage949, RoundTripsTheProgramsLabels) {
  for (const std::wstring text :
       {L"주유-충전", L"와이퍼 블레이드", L"지출입력 12,500원", L"똠방각하"})
    EXPECT_EQ(Wide(Narrow(text)), text);
}

TEST(CodePage949, MinusOneCountsAndWritesTheTerminator) {
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"가a", -1, nullptr, 0, nullptr, nullptr), 4);
  char narrow[4];
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"가a", -1, narrow, 4, nullptr, nullptr), 4);
  EXPECT_EQ(std::string(narrow, 4), std::string("\xB0\xA1"
                                                "a\0",
                                                4));

  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0,
                                "\xB0\xA1"
                                "a",
                                -1, nullptr, 0),
            3);
  wchar_t wide[3];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0,
                                "\xB0\xA1"
                                "a",
                                -1, wide, 3),
            3);
  EXPECT_EQ(std::wstring(wide, 3), std::wstring(L"가a\0", 3));
}

TEST(CodePage949, TooSmallDestinationFailsWithoutOverrun) {
  char narrow[4] = {'x', 'x', 'x', 'x'};
  // 가나 needs 4 bytes; 3 cannot hold it, and 1 cannot hold half a syllable.
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"가나", 2, narrow, 3, nullptr, nullptr), 0);
  EXPECT_EQ(narrow[3], 'x');
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"가", 1, narrow, 1, nullptr, nullptr), 0);
  wchar_t wide[2] = {L'x', L'x'};
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, 1), 0);
  EXPECT_EQ(wide[1], L'x');
}

// Found by fuzzing: a text ending in a character the converter drops (a
// tag character) fitted the size asked for only with room to spare.
TEST(CodePage949, TextEndingInADroppedCharacterFitsTheSizeAskedFor) {
  const std::wstring text = {L'a', L'\uAC00', static_cast<wchar_t>(0xE0000)};
  EXPECT_EQ(Narrow(text), "a\xB0\xA1");
  char narrow[3];
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text.data(), 3, narrow, 2, nullptr, nullptr), 0);
}

TEST(CodePage949, UnconvertibleWideTextBecomesTheDefaultCharacter) {
  char narrow[8];
  BOOL used = FALSE;
  // A Thai letter has no code page 949 form.
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a\u0E01b", 3, narrow, 8, nullptr, &used), 3);
  EXPECT_EQ(std::string(narrow, 3), "a?b");
  EXPECT_TRUE(used);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u0E01", 1, narrow, 8, "*", &used), 1);
  EXPECT_EQ(narrow[0], '*');
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"ab", 2, narrow, 8, nullptr, &used), 2);
  EXPECT_FALSE(used);  // reset for a clean conversion
}

TEST(CodePage949, InvalidBytesAreRefused) {
  // 0xFF never starts a character; a lone lead byte at the end is cut short.
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "a\xFF", 2, nullptr, 0), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "a\xB0", 2, nullptr, 0), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\xB0\xA1", 2, nullptr, 0), 1);
}

TEST(Conversions, RefuseBadArguments) {
  wchar_t wide[4];
  char narrow[4];
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "a", 1, wide, 4), 0);  // only 949 here
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, nullptr, 1, wide, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", 0, wide, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", -2, wide, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", 1, nullptr, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", 1, wide, -1), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, nullptr, 1, narrow, 4, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a", 1, nullptr, 4, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a", -5, narrow, 4, nullptr, nullptr), 0);
}

}  // namespace
