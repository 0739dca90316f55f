// Command-line values of the ledger tool, parsed strictly: a value is
// taken whole or refused, never read as far as it happens to make sense.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ledger_tool {

struct Date {
  int year;
  int month;
  int day;
};

// YYYY-MM-DD naming a real day of years 1..9999.
std::optional<Date> ParseDate(const std::string& text);
// A decimal integer within [low, high].
std::optional<long long> ParseInteger(const std::string& text, long long low, long long high);
// A decimal number ("12", "-3.5", ".25") as stored: value x scale rounded
// half away from zero; nothing when the result does not fit 32 bits.
std::optional<std::int32_t> ParseScaled(const std::string& text, int scale);

}  // namespace ledger_tool
