// The chart module's entry point (chart_module.h): the only symbol the
// module exports.
#include <type_traits>

#include "tools/ledger/chart_module.h"
#include "tools/ledger/year_chart.h"

extern "C" __attribute__((visibility("default"))) ledger_tool::ChartOutcome
roadtally_write_year_chart(int year, const ledger_tool::YearSums& sums, const char* pngPath) {
  std::optional<res::Image> chart = ledger_tool::DrawYearChart(year, sums);
  if (!chart) return ledger_tool::ChartOutcome::kNotDrawn;
  if (!res::WritePngFile(pngPath, chart->View())) return ledger_tool::ChartOutcome::kNotWritten;
  return ledger_tool::ChartOutcome::kWritten;
}

static_assert(
    std::is_same_v<decltype(roadtally_write_year_chart), ledger_tool::WriteYearChartEntry>);
