// A year's monthly cost as a bar chart a driver can share: one bar a
// month, refuelling stacked under the other items in the calendar's two
// marker colours, a gridded amount axis, month labels and the year's total.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/res/png_codec.h"
#include "tools/ledger/year_sums.h"

namespace ledger_tool {

constexpr COLORREF kRefuellingColor = RGB(51, 213, 43);
constexpr COLORREF kOtherItemsColor = RGB(233, 162, 126);

// The amount axis: from 0 to top in steps of step (both hundredths of a
// won, step a whole 1, 2, 2.5 or 5 x 10^n won), so that top is at least
// the highest bar.
struct AmountAxis {
  std::int64_t top;
  std::int64_t step;
};
AmountAxis ChooseAxis(std::int64_t highest);

// Pixels of a bar part of value on an axis drawn plotHeight high; a
// negative part (a refund) draws nothing.
int BarPixels(std::int64_t value, const AmountAxis& axis, int plotHeight);

// The chart as an image; nothing when the drawing surface cannot be made.
std::optional<res::Image> DrawYearChart(int year, const YearSums& sums);

}  // namespace ledger_tool
