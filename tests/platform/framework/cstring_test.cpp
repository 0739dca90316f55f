#include "platform/framework/cstring.h"

#include <gtest/gtest.h>

#include <string>

TEST(CStringFormat, WideStringsAndCharactersAreWide) {
  CString s;
  s.Format(L"%s: %d원 %c", L"주유비", 45000, L'가');
  EXPECT_STREQ(L"주유비: 45000원 가", s);
}

TEST(CStringFormat, NumericConversionsAndPercent) {
  CString s;
  s.Format(L"%04d-%02d %.2f %.fkm %u %x 100%%", 2024, 3, 1.5, 12.6, 7u, 255);
  EXPECT_STREQ(L"2024-03 1.50 13km 7 ff 100%", s);
}

TEST(CStringFormat, GrowsPastAnyFixedBuffer) {
  std::wstring longText(5000, L'월');
  CString s;
  s.Format(L"[%s]", longText.c_str());
  ASSERT_EQ(5002, s.GetLength());
  EXPECT_EQ(L'[', s[0]);
  EXPECT_EQ(L'월', s[2500]);
  EXPECT_EQ(L']', s[5001]);
}

TEST(CStringValue, ComparisonAndConcatenation) {
  CString a(L"가"), b(L"나");
  EXPECT_TRUE(a < b);
  EXPECT_TRUE(a != b);
  CString c = a + b;
  c += L'다';
  EXPECT_TRUE(c == CString(L"가나다"));
  c.Empty();
  EXPECT_TRUE(c.IsEmpty());
  CString fromNull(static_cast<const wchar_t*>(nullptr));
  EXPECT_EQ(0, fromNull.GetLength());
}

TEST(CStringFormat, WidthFlagsAndLengthsStayWithTheirConversions) {
  CString s;
  s.Format(L"[%-4s|%3c|%ls|%5.1f|%%s]", L"차", L'가', L"원", 2.25);
  EXPECT_STREQ(L"[차   |  가|원|  2.2|%s]", s);
}

TEST(CStringValue, OutOfRangeAccessStaysInside) {
  CString s(L"가나");
  EXPECT_EQ(L'\0', s.GetAt(2));
  EXPECT_EQ(L'\0', s[-1]);
  EXPECT_TRUE(s == L"가나");
  EXPECT_TRUE(s != L"가");
  EXPECT_STREQ(L"x가나y", CString(L"x") + s + L'y');
}
