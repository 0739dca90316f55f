#include "tools/ledger/record_input.h"

#include <vector>

#include "ledger/expense_items.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

// The catalogue holds an item of this id; looked up once, as every row
// names one.
bool IsCatalogued(long long id) {
  static const std::vector<bool> catalogued = [] {
    std::vector<bool> ids;
    for (const ExpenseItem* item = g_expenseItems; item->name; ++item) {
      const auto at = static_cast<size_t>(item->id);
      if (ids.size() <= at) ids.resize(at + 1);
      ids[at] = true;
    }
    return ids;
  }();
  return id >= 0 && static_cast<unsigned long long>(id) < catalogued.size() && catalogued[id];
}

// What a 32-bit field holds in hundredths (fuel, cost) and in thousandths
// (distance).
constexpr char kHundredthsRange[] = "from -21,474,836.48 to 21,474,836.47";
constexpr char kThousandthsRange[] = "from -2,147,483.648 to 2,147,483.647";

RecordProblem BadValue(const char* field, const char* what, std::string_view text,
                       const char* range) {
  return {field, std::string("bad ") + what + " '" + std::string(text) + "' (a decimal number " +
                     range + ")"};
}

std::int16_t Narrow(long long value) { return static_cast<std::int16_t>(value); }

}  // namespace

std::variant<ExpenseRecord, RecordProblem> ParseRecord(const RecordText& text) {
  Date date{};
  if (!ReadDate(text.date, date))
    return RecordProblem{"date", "bad date '" + std::string(text.date) +
                                     "' (YYYY-MM-DD, a real day of years 1..9999)"};
  long long item = 0;
  if (!ReadInteger(text.item, 0, 0x7FFFFFFF, item) || !IsCatalogued(item))
    return RecordProblem{"item_id", "unknown item id '" + std::string(text.item) + "' (0..21)"};
  std::int32_t fuel = 0;
  if (!ReadScaled(text.fuel, 100, fuel))
    return BadValue("fuel_l", "fuel", text.fuel, kHundredthsRange);
  std::int32_t cost = 0;
  if (!ReadScaled(text.cost, 100, cost))
    return BadValue("cost", "cost", text.cost, kHundredthsRange);
  std::int32_t distance = 0;
  if (!ReadScaled(text.km, 1000, distance))
    return BadValue("distance_km", "distance", text.km, kThousandthsRange);
  if (cost == 0 && distance == 0) {
    return RecordProblem{"cost and distance_km", "cost and distance are both 0; nothing to record"};
  }
  return ExpenseRecord{
      Narrow(date.year), Narrow(date.month), Narrow(date.day), Narrow(item), cost, fuel, distance};
}

int SaveFailed(const CExpenseLedger& ledger, const std::string& hostPath) {
  return Fail(hostPath + ": cannot save; the file is unchanged: " + ledger.SaveProblem());
}

}  // namespace ledger_tool
