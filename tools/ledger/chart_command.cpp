// chart: the year's monthly cost as a PNG bar chart, drawn by the chart
// module (chart_module.h).
#include <cerrno>
#include <cstring>

#include "platform/host/loaded_module.h"
#include "tools/ledger/arguments.h"
#include "tools/ledger/chart_module.h"
#include "tools/ledger/commands.h"
#include "tools/ledger/tool_io.h"

namespace ledger_tool {

int RunChart(const Arguments& args) {
  if (const int misuse = CheckArity("chart", args, {"FILE", "YEAR", "OUT.png"})) return misuse;
  long long year = 0;
  if (!ReadInteger(args[1], 1, 9999, year)) return Fail("bad year '" + args[1] + "' (1..9999)");
  CExpenseLedger ledger;
  if (!LoadWhole(ledger, args[0], false)) return kFailed;
  std::string error;
  const std::optional<host::LoadedModule> module =
      host::LoadedModule::Load("roadtally-chart.so", error);
  if (!module) return Fail("cannot load the chart module: " + error);
  auto* write = module->Find<WriteYearChartEntry>(kWriteYearChartEntry, error);
  if (!write) {
    return Fail("the chart module " + module->Path().string() + " has no entry point: " + error);
  }
  const int chartYear = static_cast<int>(year);
  errno = 0;
  switch (write(chartYear, SumYear(ledger, chartYear), args[2].c_str())) {
    case ChartOutcome::kWritten: return 0;
    case ChartOutcome::kNotDrawn: return Fail("cannot draw the chart");
    case ChartOutcome::kNotWritten:
      return Fail(args[2] + ": cannot write the image" +
                  (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()));
  }
  return Fail("cannot draw the chart");
}

}  // namespace ledger_tool
