// stats: cost, distance, fuel, consumption and cost per km, per month of a
// year and for the year, as an aligned table or as CSV.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/record_text.h"
#include "tools/ledger/tool_io.h"
#include "tools/ledger/year_sums.h"

namespace ledger_tool {

namespace {

using Row = std::vector<std::string>;

const Row kHeader = {"month",       "cost",     "distance_km", "fuel_l",
                     "l_per_100km", "km_per_l", "cost_per_km"};

// Litres per 100 km is fuel (1/100 L) x 1000 / metres; km per litre is
// metres / (fuel x 10); cost per km is cost (1/100) x 10 / metres. With
// no distance driven on fuel there is no consumption either way.
Row FiguresRow(std::string label, const PeriodSums& sums) {
  return {std::move(label),
          Fixed(sums.cost, 2, 2),
          Fixed(sums.distance, 3, 1),
          Fixed(sums.fuel, 2, 2),
          Ratio(sums.fuel, 1000, sums.fuelledDistance, 1),
          sums.fuelledDistance == 0 ? "-" : Ratio(sums.fuelledDistance, 1, sums.fuel * 10, 1),
          Ratio(sums.cost, 10, sums.distance, 2)};
}

std::vector<Row> Table(int year, const YearSums& sums) {
  std::vector<Row> rows = {kHeader};
  for (int month = 1; month <= 12; ++month) {
    char label[32];
    std::snprintf(label, sizeof label, "%04d-%02d", year, month);
    rows.push_back(FiguresRow(label, sums.months[month - 1]));
  }
  rows.push_back(FiguresRow(std::to_string(year), sums.year));
  return rows;
}

// The label left-aligned, the figures right-aligned, each column as wide
// as its widest cell.
std::string Aligned(const std::vector<Row>& rows) {
  std::vector<size_t> widths(kHeader.size(), 0);
  for (const Row& row : rows)
    for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  std::string out;
  for (const Row& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      const std::string pad(widths[c] - row[c].size(), ' ');
      out += c == 0 ? row[c] + pad : "  " + pad + row[c];
    }
    out += "\n";
  }
  return out;
}

std::string Csv(const std::vector<Row>& rows) {
  std::string out;
  for (const Row& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) out += (c ? "," : "") + row[c];
    out += "\r\n";
  }
  return out;
}

// The year of the latest record; nothing for an empty ledger.
std::optional<int> LatestYear(const CExpenseLedger& ledger) {
  if (ledger.m_nCount == 0) return std::nullopt;
  const ExpenseRecord* begin = ledger.m_pRecords;
  const ExpenseRecord* end = begin + ledger.m_nCount;
  return std::max_element(
             begin, end,
             [](const ExpenseRecord& a, const ExpenseRecord& b) { return a.year < b.year; })
      ->year;
}

}  // namespace

int RunStats(const Arguments& given) {
  Arguments args = given;
  const bool csv = TakeFlag(args, "--csv");
  if (const int misuse = CheckArity("stats", args, {"FILE", "YEAR"}, 1)) return misuse;
  long long year = 0;  // none named: the latest in the file
  if (args.size() == 2 && !ReadInteger(args[1], 1, 9999, year))
    return Fail("bad year '" + args[1] + "' (1..9999)");
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  if (year == 0) {
    const std::optional<int> latest = LatestYear(ledger);
    if (!latest) return Fail(args[0] + ": the file holds no records; name a YEAR");
    year = *latest;
  }
  const std::vector<Row> rows =
      Table(static_cast<int>(year), SumYear(ledger, static_cast<int>(year)));
  return Say(csv ? Csv(rows) : Aligned(rows));
}

}  // namespace ledger_tool
