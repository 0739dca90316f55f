#include "platform/host/civil_time.h"

#include <charconv>
#include <ctime>

namespace host {
namespace {

using namespace std::chrono;

std::optional<int> ParseDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

struct RealMoment {
  std::tm fields;
  long milliseconds;
};

RealMoment Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  RealMoment moment{};
  localtime_r(&now.tv_sec, &moment.fields);
  moment.milliseconds = now.tv_nsec / 1'000'000;
  return moment;
}

sys_days DayOf(const std::tm& fields) {
  return sys_days{year{fields.tm_year + 1900} / month{static_cast<unsigned>(fields.tm_mon + 1)} /
                  day{static_cast<unsigned>(fields.tm_mday)}};
}

SYSTEMTIME FromMoment(const RealMoment& moment) {
  const std::tm& t = moment.fields;
  return SystemTimeAt(DayOf(t), hours{t.tm_hour} + minutes{t.tm_min} + seconds{t.tm_sec} +
                                    milliseconds{moment.milliseconds});
}

}  // namespace

std::optional<sys_days> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto y = ParseDigits(text.substr(0, 4));
  auto m = ParseDigits(text.substr(5, 2));
  auto d = ParseDigits(text.substr(8, 2));
  if (!y || !m || !d || *y < 1601) return std::nullopt;
  year_month_day date{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
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
  if (!today) return real;
  return SystemTimeAt(*today, hours{real.wHour} + minutes{real.wMinute} + seconds{real.wSecond} +
                                  milliseconds{real.wMilliseconds});
}

SYSTEMTIME RealLocalTime() { return FromMoment(Now()); }
sys_days RealLocalDate() { return DayOf(Now().fields); }

}  // namespace host
