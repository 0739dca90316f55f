#include "platform/host/civil_time.h"

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace std::chrono;

TEST(ParseIsoDate, AcceptsRealDaysOnly) {
  EXPECT_EQ(ParseIsoDate("2024-02-29"), sys_days{2024y / February / 29});
  EXPECT_EQ(ParseIsoDate("1601-01-01"), sys_days{1601y / January / 1});
  EXPECT_EQ(ParseIsoDate("2023-02-29"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("2024-13-01"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("2024-00-10"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("2024-04-31"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("1600-12-31"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("2024-2-29"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("2024-02-2x"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("+024-02-20"), std::nullopt);
  EXPECT_EQ(ParseIsoDate("20240229"), std::nullopt);
}

TEST(SystemTimeAt, FillsEveryFieldAndRollsOverMidnight) {
  // 2024-02-28 is a Wednesday; the next day is the leap day.
  SYSTEMTIME st = SystemTimeAt(sys_days{2024y / February / 28},
                               hours{23} + minutes{59} + seconds{58} + milliseconds{765});
  EXPECT_EQ(st.wYear, 2024);
  EXPECT_EQ(st.wMonth, 2);
  EXPECT_EQ(st.wDay, 28);
  EXPECT_EQ(st.wDayOfWeek, 3);
  EXPECT_EQ(st.wHour, 23);
  EXPECT_EQ(st.wMinute, 59);
  EXPECT_EQ(st.wSecond, 58);
  EXPECT_EQ(st.wMilliseconds, 765);

  SYSTEMTIME next = SystemTimeAt(sys_days{2024y / February / 28}, hours{24} + minutes{1});
  EXPECT_EQ(next.wMonth, 2);
  EXPECT_EQ(next.wDay, 29);
  EXPECT_EQ(next.wDayOfWeek, 4);
  EXPECT_EQ(next.wHour, 0);
  EXPECT_EQ(next.wMinute, 1);

  SYSTEMTIME newYear = SystemTimeAt(sys_days{2023y / December / 31}, hours{36});
  EXPECT_EQ(newYear.wYear, 2024);
  EXPECT_EQ(newYear.wMonth, 1);
  EXPECT_EQ(newYear.wDay, 1);
  EXPECT_EQ(newYear.wDayOfWeek, 1);
  EXPECT_EQ(newYear.wHour, 12);
}

}  // namespace
}  // namespace host
