// Calendar dates and the clock's date-and-time record, for the hosts.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "platform/core/windef.h"

namespace host {

// "YYYY-MM-DD" naming a real day of the years 1601..9999 (the record's range).
std::optional<std::chrono::sys_days> ParseIsoDate(std::string_view text);

// The record for a moment given as a day and the time since its midnight;
// times past a day roll over into the following days.
SYSTEMTIME SystemTimeAt(std::chrono::sys_days day, std::chrono::milliseconds sinceMidnight);

// The real clock's local time and date.
SYSTEMTIME RealLocalTime();
std::chrono::sys_days RealLocalDate();

// The real time of day `real`, on the fixed date when there is one (a
// host's --today).
SYSTEMTIME OnDate(SYSTEMTIME real, const std::optional<std::chrono::sys_days>& today);

}  // namespace host
