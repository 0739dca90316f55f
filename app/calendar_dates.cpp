#include "app/calendar.h"

namespace {

// Division and remainder rounded toward minus infinity, so that years
// before 1 count backwards correctly.
long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
long long FloorMod(long long a, long long b) { return a - FloorDiv(a, b) * b; }

long long DaysBeforeMonth(int year, int month) {
  const long long half = month < 9 ? month / 2 : (month + 1) / 2;
  long long days = 30LL * (month - 1) + half;
  if (month >= 3) days -= IsLeapYear(year) ? 1 : 2;
  return days;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  if (month >= 8) return 31 - month % 2;
  if (month == 2) return IsLeapYear(year) ? 29 : 28;
  return 30 + month % 2;
}

int DayOfWeek(int year, int month, int day) {
  const long long y = static_cast<long long>(year) - 1;
  const long long days =
      365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + DaysBeforeMonth(year, month);
  return static_cast<int>(FloorMod(days + day - 1, 7)) + 1;
}
