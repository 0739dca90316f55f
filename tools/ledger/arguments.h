// What a driver types, on the command line or in a CSV row, parsed
// strictly: a value is taken whole or refused, never read as far as it
// happens to make sense; a record is checked the one way every command
// that adds records checks it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "ledger/expense_record.h"

namespace ledger_tool {

struct Date {
  int year;
  int month;
  int day;
};

// Each value is read into the caller's, left as it was when refused: for a
// parser called per row, as a returned optional is built through memory
// and read back whole, a stall on every call.

// YYYY-MM-DD naming a real day of years 1..9999.
bool ReadDate(std::string_view text, Date& date);
// A decimal integer within [low, high].
bool ReadInteger(std::string_view text, long long low, long long high, long long& value);
// A decimal number ("12", "-3.5", ".25") as stored: value x scale rounded
// half away from zero; false when the result does not fit 32 bits.
bool ReadScaled(std::string_view text, int scale, std::int32_t& value);

// The texts of one record, in the order add takes them; views of texts
// that outlive the check (arguments, a CSV row's fields).
struct RecordText {
  std::string_view date;  // YYYY-MM-DD
  std::string_view item;  // catalogue id
  std::string_view fuel;  // litres
  std::string_view cost;  // currency units
  std::string_view km;    // kilometres driven
};

// What is wrong with a record: the field at fault ("date", "item_id",
// "fuel_l", "cost", "distance_km", or "cost and distance_km") and why.
struct RecordProblem {
  std::string field;
  std::string message;
};

// The record, or the first problem: a real date of years 1..9999, a
// catalogued item, values that fit their fields, not both cost and distance 0.
std::variant<ExpenseRecord, RecordProblem> ParseRecord(const RecordText& text);

}  // namespace ledger_tool
