// Command-line values of the ledger tool, parsed strictly: a value is
// taken whole or refused, never read as far as it happens to make sense.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ledger_tool {

struct Date {
  int year;
  int month;
  int day;
};

// YYYY-MM-DD naming a real day of years 1..9999.
std::optional<Date> ParseDate(std::string_view text);
// A decimal integer within [low, high].
std::optional<long long> ParseInteger(std::string_view text, long long low, long long high);
// A decimal number ("12", "-3.5", ".25") as stored: value x scale rounded
// half away from zero; nothing when the result does not fit 32 bits.
std::optional<std::int32_t> ParseScaled(std::string_view text, int scale);

// The same, into the caller's value (left as it was when refused): for a
// parser called per row, as a returned optional is built through memory
// and read back whole, a stall on every call.
bool ReadDate(std::string_view text, Date& date);
bool ReadInteger(std::string_view text, long long low, long long high, long long& value);
bool ReadScaled(std::string_view text, int scale, std::int32_t& value);

}  // namespace ledger_tool
