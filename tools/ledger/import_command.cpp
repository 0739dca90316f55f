// import: the rows of a CSV as csv writes it (or a spreadsheet saves
// that layout), every one checked as add checks its arguments, then all
// added and saved once under the file's one-writer lock, or none.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/ledger/commands.h"
#include "tools/ledger/csv_reader.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

namespace {

// The first faulty line of the file and what is wrong with it.
struct RowFault {
  int line = 0;
  std::string message;
};

// The columns csv writes.
constexpr std::array<std::string_view, 6> kColumns = {"date",   "item_id", "item",
                                                      "fuel_l", "cost",    "distance_km"};

std::optional<RowFault> CheckHeader(CsvReader& csv) {
  std::vector<std::string> header;
  int line = 1;
  if (!csv.Next(header, line))
    return RowFault{line, csv.Error().empty() ? "no header line" : csv.Error()};
  if (!std::equal(header.begin(), header.end(), kColumns.begin(), kColumns.end()))
    return RowFault{line, "the header is not date,item_id,item,fuel_l,cost,distance_km"};
  return std::nullopt;
}

bool AllBlank(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

// A value a spreadsheet leaves blank is 0.
std::string_view ValueOrZero(const std::string& cell) {
  return cell.empty() ? std::string_view("0") : std::string_view(cell);
}

// The record of a row of the six columns, or what is wrong with it.
std::variant<ExpenseRecord, std::string> RowRecord(const std::vector<std::string>& cells) {
  if (cells.size() != kColumns.size()) {
    return std::to_string(cells.size()) + " fields where there should be " +
           std::to_string(kColumns.size());
  }
  const auto parsed = ParseRecord(
      {cells[0], cells[1], ValueOrZero(cells[3]), ValueOrZero(cells[4]), ValueOrZero(cells[5])});
  if (const auto* problem = std::get_if<RecordProblem>(&parsed))
    return problem->field + ": " + problem->message;
  const ExpenseRecord& record = std::get<ExpenseRecord>(parsed);
  if (cells[2].empty() || cells[2] == ItemName(record.itemId)) return record;
  return "item: id " + std::to_string(record.itemId) + " is " + ItemName(record.itemId) +
         ", the row says " + cells[2];
}

// A fault's text on one line, though a quoted cell it quotes held breaks.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : text) line += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
  return line;
}

// Every row's record, in the file's order, or the file's first fault. A
// blank fuel, cost or distance cell is 0; a row of blank cells is skipped;
// an item name, when given, must be the id's.
// csvBytes bounds the rows (each takes 16 bytes at least): room for them
// reserved once, up to a million, whose pages only the rows read ever
// touch, instead of a vector copied and faulted in at every doubling.
std::variant<std::vector<ExpenseRecord>, RowFault> ReadImportRows(std::istream& csv,
                                                                  std::uintmax_t csvBytes) {
  constexpr std::uintmax_t kShortestRow = 16;
  constexpr std::uintmax_t kMostReserved = 1'000'000;
  CsvReader reader(csv);
  if (std::optional<RowFault> fault = CheckHeader(reader)) return *fault;
  std::vector<ExpenseRecord> records;
  records.reserve(static_cast<size_t>(std::min(csvBytes / kShortestRow, kMostReserved)));
  std::vector<std::string> cells;
  int line = 1;
  while (reader.Next(cells, line)) {
    if (AllBlank(cells)) continue;
    auto row = RowRecord(cells);
    if (const auto* problem = std::get_if<std::string>(&row))
      return RowFault{line, OneLine(*problem)};
    records.push_back(std::get<ExpenseRecord>(row));
  }
  if (!reader.Error().empty()) return RowFault{line, reader.Error()};
  return records;
}

// "3 records, 2005-01-02 to 2005-03-08": how many and their span.
std::string DescribeRows(const std::vector<ExpenseRecord>& records) {
  std::string said = std::to_string(records.size()) + " records";
  if (records.empty()) return said;
  const auto [first, last] = std::minmax_element(records.begin(), records.end(), EarlierDay);
  return said + ", " + IsoDate(*first) + " to " + IsoDate(*last);
}

}  // namespace

int RunImport(const Arguments& given) {
  Arguments args = given;
  const bool dryRun = TakeFlag(args, "--dry-run");
  if (const int misuse = CheckArity("import", args, {"FILE", "CSV"})) return misuse;
  std::ifstream csv(args[1], std::ios::binary);
  if (!csv) return Fail(args[1] + ": cannot read the CSV file: " + std::strerror(errno));
  std::optional<host::DataFileLock> lock;
  if (!dryRun && !(lock = LockForWriting(args[0]))) return kFailed;
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], true)) return kFailed;
  std::error_code unsized;  // a pipe: the rows are counted as they come
  const std::uintmax_t csvBytes = std::filesystem::file_size(args[1], unsized);
  const auto rows = ReadImportRows(csv, unsized ? 0 : csvBytes);
  if (const auto* fault = std::get_if<RowFault>(&rows)) {
    return Fail(args[1] + ": line " + std::to_string(fault->line) + ": " + fault->message +
                "; nothing imported");
  }
  const std::vector<ExpenseRecord>& records = std::get<std::vector<ExpenseRecord>>(rows);
  const std::string holds =
      std::to_string(ledger.m_nCount + static_cast<long long>(records.size()));
  if (dryRun)
    return Say("would import " + DescribeRows(records) + "; the file would hold " + holds + "\n");
  if (records.empty()) return Say("nothing to import\n");
  if (!ledger.AppendRecords(records)) return Fail("too many records to hold; nothing imported");
  ledger.SortByDate();
  if (!ledger.Save(nullptr)) return SaveFailed(ledger, args[0]);
  return Say("imported " + DescribeRows(records) + "; the file holds " + holds + "\n");
}

}  // namespace ledger_tool
