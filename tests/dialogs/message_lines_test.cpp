// Cutting the message box's text into lines: the program's own texts as
// they are drawn, and inputs that could split a two-byte character.
#include "dialogs/message_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/text_convert.h"

namespace {

std::string Cp949(const wchar_t* text) {
  char buffer[256] = {};
  MultiByteFromWide(buffer, text, sizeof buffer);
  return buffer;
}

std::vector<std::wstring> WideLines(const wchar_t* text) {
  std::vector<std::wstring> wide;
  for (const std::string& line : CutMessageLines(Cp949(text))) {
    wchar_t buffer[100];
    WideFromMultiByte(buffer, line.c_str(), 100);
    wide.emplace_back(buffer);
  }
  return wide;
}

TEST(MessageLines, TheProgramsTextsBreakAfterElevenSyllables) {
  EXPECT_EQ(WideLines(L"지출금액 또는 주행거리를 입력하십시오."),
            (std::vector<std::wstring>{L"지출금액 또는 주행거리", L"를 입력하십시오."}));
  EXPECT_EQ(WideLines(L"선택된 목록을 삭제합니다."),
            (std::vector<std::wstring>{L"선택된 목록을 삭제합니", L"다."}));
}

struct Case {
  std::string text;
  std::vector<std::string> lines;
};

TEST(MessageLines, SingleByteRules) {
  const Case cases[] = {
      {"", {}},
      {"     ", {""}},
      {"ab\n  cd", {"ab", "cd"}},
      {"abc\n", {"abc"}},
      {"\n\nx", {"", "", "x"}},
      {std::string(21, 'a') + "bc", {std::string(21, 'a'), "bc"}},
      {std::string(21, 'a') + "   b", {std::string(21, 'a'), "b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.lines, CutMessageLines(c.text)) << '"' << c.text << '"';
}

// Every cut falls between characters, and no line reaches past the text,
// whatever bytes the text holds.
TEST(MessageLines, TwoByteCharactersStayWhole) {
  const std::string hangul = Cp949(L"가");
  ASSERT_EQ(2u, hangul.size());
  const std::string lone(1, hangul[0]);
  const Case cases[] = {
      {std::string(20, 'a') + hangul + "b", {std::string(20, 'a') + hangul, "b"}},
      {std::string(19, 'a') + hangul + hangul, {std::string(19, 'a') + hangul, hangul}},
      {"ab" + lone, {"ab" + lone}},
      {lone, {lone}},
      {std::string(21, 'a') + lone, {std::string(21, 'a'), lone}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.lines, CutMessageLines(c.text));
}

}  // namespace
