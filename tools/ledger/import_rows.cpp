#include "tools/ledger/import_rows.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "tools/ledger/csv_reader.h"
#include "tools/ledger/record_input.h"
#include "tools/ledger/record_text.h"

namespace ledger_tool {

namespace {

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

}  // namespace

std::variant<std::vector<ExpenseRecord>, RowFault> ReadImportRows(std::istream& csv) {
  CsvReader reader(csv);
  if (std::optional<RowFault> fault = CheckHeader(reader)) return *fault;
  std::vector<ExpenseRecord> records;
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

std::string DescribeRows(const std::vector<ExpenseRecord>& records) {
  std::string said = std::to_string(records.size()) + " records";
  if (records.empty()) return said;
  const auto byDate = [](const ExpenseRecord& a, const ExpenseRecord& b) {
    return DateKey(a) < DateKey(b);
  };
  const auto [first, last] = std::minmax_element(records.begin(), records.end(), byDate);
  return said + ", " + IsoDate(*first) + " to " + IsoDate(*last);
}

}  // namespace ledger_tool
