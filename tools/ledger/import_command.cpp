// import: the rows of a CSV as csv writes it, every one checked as add
// checks its arguments, then all added and saved once under the file's
// one-writer lock, or none.
#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>

#include "tools/ledger/commands.h"
#include "tools/ledger/csv_reader.h"
#include "tools/ledger/flags.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

// The columns csv writes; the item's name is there for people and ignored.
constexpr std::array<std::string_view, 6> kColumns = {"date",   "item_id", "item",
                                                      "fuel_l", "cost",    "distance_km"};

// What the rows brought: how many, and the earliest and latest of them.
struct Imported {
  long long count = 0;
  ExpenseRecord first{};
  ExpenseRecord last{};

  void Add(const ExpenseRecord& r) {
    if (count == 0 || DateKey(r) < DateKey(first)) first = r;
    if (count == 0 || DateKey(r) >= DateKey(last)) last = r;
    ++count;
  }
  std::string Said() const {
    const std::string span = count ? ", " + IsoDate(first) + " to " + IsoDate(last) : "";
    return std::to_string(count) + " records" + span;
  }
};

constexpr long long kMostRecords = 0x7FFFFFFF - 100;

// Room, at once, for as many rows as the file could hold: a row with a
// record is never shorter than "2005-01-02,0,,0,1,0" and its line end.
// Room is not filled, so what no row takes costs no memory; only a hint,
// as RoomForOneMore still grows the ledger should it be short.
void ReserveForFile(CExpenseLedger& ledger, std::istream& csv) {
  constexpr long long kShortestRow = 20;
  csv.seekg(0, std::ios::end);
  const long long size = csv.tellg();
  csv.seekg(0);
  const long long total = ledger.m_nCount + std::max(size, 0LL) / kShortestRow + 1;
  if (total <= kMostRecords) ledger.Reserve(static_cast<int>(total));
}

// Room for one more row, the array doubled when full: a million rows are
// a few copies, where the ledger's own growth by a hundred would copy the
// array ten thousand times.
bool RoomForOneMore(CExpenseLedger& ledger) {
  if (ledger.m_nCount < ledger.m_nCapacity) return true;
  const long long doubled = std::max(2LL * ledger.m_nCapacity, 1024LL);
  return ledger.m_nCount < kMostRecords &&
         ledger.Reserve(static_cast<int>(std::min(doubled, kMostRecords)));
}

// Appends every row to the ledger, unsorted; or writes the first fault
// with its line and returns nothing (the ledger is then not to be saved).
std::optional<Imported> AppendRows(CExpenseLedger& ledger, const std::string& csvPath,
                                   std::istream& csv) {
  CsvReader reader(csv);
  std::vector<std::string_view> fields;
  int line = 1;
  const auto fault = [&](const std::string& message) {
    Fail(csvPath + ": line " + std::to_string(line) + ": " + message + "; nothing imported");
    return std::nullopt;
  };
  if (!reader.Next(fields, line))
    return fault(reader.Error().empty() ? "no header line" : reader.Error());
  if (!std::equal(fields.begin(), fields.end(), kColumns.begin(), kColumns.end()))
    return fault("the header is not date,item_id,item,fuel_l,cost,distance_km");
  Imported imported;
  while (reader.Next(fields, line)) {
    if (fields.size() != kColumns.size()) {
      return fault(std::to_string(fields.size()) + " fields where there should be " +
                   std::to_string(kColumns.size()));
    }
    const auto parsed = ParseRecord({fields[0], fields[1], fields[3], fields[4], fields[5]});
    if (const auto* problem = std::get_if<RecordProblem>(&parsed))
      return fault(problem->field + ": " + problem->message);
    if (!RoomForOneMore(ledger) || ledger.Append(std::get<ExpenseRecord>(parsed)) == 0)
      return fault("too many records to hold");
    imported.Add(std::get<ExpenseRecord>(parsed));
  }
  if (!reader.Error().empty()) return fault(reader.Error());
  return imported;
}

}  // namespace

int RunImport(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  if (args.size() != 2) return kUsage;
  std::ifstream csv(args[1], std::ios::binary);
  if (!csv) return Fail(args[1] + ": cannot read the CSV file");
  std::optional<host::DataFileLock> lock;
  if (!dryRun && !(lock = LockForWriting(args[0]))) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  const int before = ledger.m_nCount;
  ReserveForFile(ledger, csv);
  const std::optional<Imported> imported = AppendRows(ledger, args[1], csv);
  if (!imported) return kFailed;

  const std::string after = "; the file holds " + std::to_string(ledger.m_nCount) + "\n";
  if (dryRun)
    return WriteOutput("would import " + imported->Said() + after)
               ? 0
               : Fail("cannot write the output");
  if (ledger.m_nCount == before)
    return WriteOutput("nothing to import\n") ? 0 : Fail("cannot write the output");
  ledger.SortByDate();
  if (const int status = SaveOrFail(ledger, args[0]); status != 0) return status;
  return WriteOutput("imported " + imported->Said() + after) ? 0 : Fail("cannot write the output");
}

}  // namespace ledger_tool
