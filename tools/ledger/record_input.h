// A record as a driver types it (on the command line or in a CSV row),
// checked the one way every command that adds records checks it.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "ledger/expense_ledger.h"

namespace ledger_tool {

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

// Says that the ledger's last save failed, with the system's reason, and
// returns kFailed.
int SaveFailed(const CExpenseLedger& ledger, const std::string& hostPath);

}  // namespace ledger_tool
