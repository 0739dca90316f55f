// The chart is drawn in a module of its own, roadtally-chart.so, loaded
// only by the chart command: it alone needs the font engine and libpng,
// which every other command would otherwise map and relocate at its start.
#pragma once

#include "tools/ledger/year_sums.h"

namespace ledger_tool {

enum class ChartOutcome : int { kWritten, kNotDrawn, kNotWritten };

// The module's one entry point, by this name: draws the year's chart and
// writes it as a PNG file at pngPath.
using WriteYearChartEntry = ChartOutcome(int year, const YearSums& sums, const char* pngPath);
inline constexpr char kWriteYearChartEntry[] = "roadtally_write_year_chart";

}  // namespace ledger_tool
