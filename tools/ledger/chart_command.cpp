// chart: the year's monthly cost as a PNG bar chart.
#include "tools/ledger/arguments.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"
#include "tools/ledger/year_chart.h"

namespace ledger_tool {

int RunChart(const Arguments& args) {
  if (args.size() != 3) return kUsage;
  const std::optional<long long> year = ParseInteger(args[1], 1, 9999);
  if (!year) return Fail("bad year '" + args[1] + "' (1..9999)");
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  std::optional<res::Image> chart =
      DrawYearChart(static_cast<int>(*year), SumYear(ledger, static_cast<int>(*year)));
  if (!chart) return Fail("cannot draw the chart");
  if (!res::WritePngFile(args[2], chart->View())) return Fail(args[2] + ": cannot write the image");
  return 0;
}

}  // namespace ledger_tool
