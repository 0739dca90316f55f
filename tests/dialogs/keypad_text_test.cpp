// The keypad's text rules, keystroke by keystroke from a starting text.
#include "dialogs/keypad_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Keys: digits, '.' the point, '<' backspace. The start is the caller's
// text; the first key makes it the driver's.
std::wstring Type(std::wstring text, const std::wstring& keys) {
  bool untouched = true;
  for (wchar_t key : keys) {
    text = key == L'.'   ? KeypadAppendPoint(text, untouched)
           : key == L'<' ? KeypadBackspace(text)
                         : KeypadAppendDigit(text, key - L'0', untouched);
    untouched = false;
  }
  return text;
}

struct Case {
  const wchar_t* start;
  const wchar_t* keys;
  const wchar_t* expected;
};

TEST(KeypadText, KeystrokesFromTheCallersText) {
  const Case cases[] = {
      {L"0.00", L"5", L"5"},
      {L"0.00", L"0", L"0"},
      {L"0.00", L"12.5", L"12.5"},
      {L"0.00", L".", L"0."},
      {L"0.00", L".5", L"0.5"},
      {L"0.00", L".05", L"0.05"},
      {L"0", L".", L"0."},
      {L"0", L"7", L"7"},
      {L"0", L"007", L"7"},
      {L"0.00", L"12.05", L"12.05"},
      {L"12.0", L"<.5", L"12.5"},
      {L"12.5", L"3.", L"3."},
      {L"12", L"5..3.", L"5.3"},
      {L"7", L"<", L"0"},
      {L"0", L"<", L"0"},
      {L"0.", L"<", L"0"},
      {L"0.00", L"<5", L"0.05"},
      {L"", L"8", L"8"},
      {L"", L".", L"0."},
      {L"", L"<", L""},
      {L"0.", L"0.5", L"0.5"},
      {L"5", L"<<.2", L"0.2"},
      // The first digit or point replaces a caller's non-zero text; "<-"
      // first edits it.
      {L"67200.00", L"67250", L"67250"},
      {L"42.00", L"41.87", L"41.87"},
      {L"67200.00", L"6.", L"6."},
      {L"42.00", L".5", L"0.5"},
      {L"12.5", L"..", L"0."},
      {L"5", L"56", L"56"},
      {L"42.00", L"<1", L"42.01"},
      {L"42.00", L"<<<<<3", L"3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, Type(c.start, c.keys)) << "from \"" << testing::PrintToString(c.start)
                                                 << "\" typing " << testing::PrintToString(c.keys);
}

TEST(KeypadText, ReadsOnlyTheFirst99Characters) {
  EXPECT_DOUBLE_EQ(12.5, ReadKeypadValue(L"12.5"));
  EXPECT_DOUBLE_EQ(0, ReadKeypadValue(L""));
  EXPECT_DOUBLE_EQ(0, ReadKeypadValue(L"."));
  // A 100-character text whose only non-zero digit is the 100th reads as 0,
  // so the next digit replaces it.
  const std::wstring zeros = L"0." + std::wstring(97, L'0') + L"1";
  EXPECT_DOUBLE_EQ(0, ReadKeypadValue(zeros));
}

}  // namespace
