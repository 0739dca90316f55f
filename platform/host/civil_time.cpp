#include "platform/host/civil_time.h"

#include <ctime>

#include "platform/res/words.h"

namespace host {
namespace {

using namespace std::chrono;

milliseconds SinceMidnight(const SYSTEMTIME& t) {
  return hours{t.wHour} + minutes{t.wMinute} + seconds{t.wSecond} + milliseconds{t.wMilliseconds};
}

}  // namespace

std::optional<sys_days> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  // Unsigned: digits only, no sign.
  auto y = res::ParseNumber<unsigned>(text.substr(0, 4));
  auto m = res::ParseNumber<unsigned>(text.substr(5, 2));
  auto d = res::ParseNumber<unsigned>(text.substr(8, 2));
  if (!y || !m || !d || *y < 1601) return std::nullopt;
  year_month_day date{year{static_cast<int>(*y)}, month{*m}, day{*d}};
  if (!date.ok()) return std::nullopt;
  return sys_days{date};
}

SYSTEMTIME SystemTimeAt(sys_days dayStart, milliseconds sinceMidnight) {
  sys_days date = dayStart + floor<days>(sinceMidnight);
  milliseconds rest = sinceMidnight - floor<days>(sinceMidnight);
  year_month_day ymd{date};
  hh_mm_ss<milliseconds> time{rest};
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(static_cast<int>(ymd.year()));
  st.wMonth = static_cast<WORD>(static_cast<unsigned>(ymd.month()));
  st.wDay = static_cast<WORD>(static_cast<unsigned>(ymd.day()));
  st.wDayOfWeek = static_cast<WORD>(weekday{date}.c_encoding());
  st.wHour = static_cast<WORD>(time.hours().count());
  st.wMinute = static_cast<WORD>(time.minutes().count());
  st.wSecond = static_cast<WORD>(time.seconds().count());
  st.wMilliseconds = static_cast<WORD>(time.subseconds().count());
  return st;
}

SYSTEMTIME OnDate(SYSTEMTIME real, const std::optional<sys_days>& today) {
  return today ? SystemTimeAt(*today, SinceMidnight(real)) : real;
}

SYSTEMTIME RealLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm t{};
  localtime_r(&now.tv_sec, &t);
  const sys_days date{year{t.tm_year + 1900} / (t.tm_mon + 1) / t.tm_mday};
  return SystemTimeAt(date, hours{t.tm_hour} + minutes{t.tm_min} + seconds{t.tm_sec} +
                                milliseconds{now.tv_nsec / 1'000'000});
}

sys_days RealLocalDate() {
  const SYSTEMTIME now = RealLocalTime();
  return year{now.wYear} / now.wMonth / now.wDay;
}

}  // namespace host
