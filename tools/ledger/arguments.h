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

}  // namespace ledger_tool
