// A year's monthly cost as a bar chart a driver can share: one bar a
// month, refuelling stacked under the other items in the calendar's two
// marker colours, a gridded amount axis, month labels and the year's total.
#include <algorithm>
#include <array>
#include <cstdint>
#include <type_traits>

#include "ledger/month_summary.h"
#include "platform/framework/cdc.h"
#include "platform/res/png_codec.h"
#include "tools/ledger/chart_module.h"

namespace ledger_tool {

namespace {

constexpr COLORREF kRefuellingColor = RGB(51, 213, 43);
constexpr COLORREF kOtherItemsColor = RGB(233, 162, 126);

constexpr int kWidth = 640;
constexpr int kHeight = 400;
constexpr RECT kPlot = {84, 92, 616, 352};  // the bars' area; its bottom is the zero line
constexpr int kSlot = (kPlot.right - kPlot.left) / 12;
constexpr int kBarWidth = 26;

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(38, 42, 50);
constexpr COLORREF kQuietInk = RGB(112, 117, 126);
constexpr COLORREF kGrid = RGB(228, 230, 235);
constexpr COLORREF kAxis = RGB(150, 154, 162);

constexpr std::int64_t kWon = 100;  // hundredths
constexpr std::int64_t kManWon = 10000 * kWon;

// The amount axis: from 0 to top in steps of step (both hundredths of a
// won, step a whole 1, 2, 2.5 or 5 x 10^n won), so that top is at least
// the highest bar.
struct AmountAxis {
  std::int64_t top;
  std::int64_t step;
};

AmountAxis ChooseAxis(std::int64_t highest) {
  std::int64_t magnitude = kWon;
  while (magnitude * 10 <= highest / 4) magnitude *= 10;
  for (;;) {
    for (const std::int64_t twice : {2, 4, 5, 10}) {  // 1, 2, 2.5, 5 x magnitude, doubled
      const std::int64_t step = magnitude * twice / 2;
      if (step * 5 >= highest && step % kWon == 0)
        return {std::max<std::int64_t>(1, (highest + step - 1) / step) * step, step};
    }
    magnitude *= 10;
  }
}

// Pixels of a bar part of value on an axis drawn plotHeight high; a
// negative part (a refund) draws nothing.
int BarPixels(std::int64_t value, const AmountAxis& axis, int plotHeight) {
  if (value <= 0) return 0;
  return static_cast<int>((static_cast<__int128>(value) * plotHeight + axis.top / 2) / axis.top);
}

std::wstring Wide(const CString& text) { return static_cast<LPCTSTR>(text); }

// Amounts from ten thousand won on in 만 (ten thousands), as Korean
// charts write them: "2.5만", "120만"; smaller ones grouped: "8,500".
std::wstring ShortAmount(std::int64_t hundredths) {
  if (hundredths < kManWon) return Wide(FormatGrouped(hundredths));
  const std::int64_t tenths = (hundredths * 10 + kManWon / 2) / kManWon;
  std::wstring text = Wide(FormatGrouped(tenths / 10 * kWon));
  if (tenths % 10 != 0) text += L"." + std::to_wstring(tenths % 10);
  return text + L"만";
}

// Draws on the chart's device context in the chart's three paint.
class Painter {
 public:
  explicit Painter(CDC& dc) : dc_(dc) {}

  bool CreateFonts() {
    return title.CreateFont(20, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, L"Gulim") &&
           label.CreateFont(13, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Gulim") &&
           small.CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Gulim");
  }

  void Fill(int left, int top, int right, int bottom, COLORREF color) {
    const RECT area = {left, top, right, bottom};
    dc_.FillSolidRect(&area, color);
  }

  void Text(const std::wstring& text, RECT area, UINT align, CFont& font, COLORREF color) {
    dc_.SelectObject(&font);
    dc_.SetTextColor(color);
    dc_.DrawText(text.c_str(), -1, &area, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }

  int TextWidth(const std::wstring& text, CFont& font) {
    dc_.SelectObject(&font);
    return dc_.GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx;
  }

  CFont title;
  CFont label;
  CFont small;

 private:
  CDC& dc_;
};

void DrawHeading(Painter& paint, int year, std::int64_t total) {
  CString title;
  title.Format(L"%d년 차량 비용", year);
  paint.Text(Wide(title), {24, 16, 400, 44}, DT_LEFT, paint.title, kInk);
  paint.Text(L"합계 " + Wide(FormatGrouped(total)) + L"원", {300, 16, kWidth - 24, 44}, DT_RIGHT,
             paint.title, kInk);

  int x = 24;
  for (const auto& [color, name] :
       {std::pair{kRefuellingColor, L"주유-충전"}, std::pair{kOtherItemsColor, L"정비 및 기타"}}) {
    paint.Fill(x, 58, x + 12, 70, color);
    paint.Text(name, {x + 18, 54, x + 160, 74}, DT_LEFT, paint.label, kQuietInk);
    x += 18 + paint.TextWidth(name, paint.label) + 24;
  }
  paint.Text(L"단위: 원", {300, 54, kWidth - 24, 74}, DT_RIGHT, paint.label, kQuietInk);
}

void DrawAxis(Painter& paint, const AmountAxis& axis) {
  const int height = kPlot.bottom - kPlot.top;
  for (std::int64_t value = 0; value <= axis.top; value += axis.step) {
    const int y = kPlot.bottom - BarPixels(value, axis, height);
    if (value > 0) paint.Fill(kPlot.left, y, kPlot.right, y + 1, kGrid);
    paint.Text(ShortAmount(value), {0, y - 10, kPlot.left - 10, y + 10}, DT_RIGHT, paint.label,
               kQuietInk);
  }
}

void DrawMonth(Painter& paint, int month, const PeriodSums& sums, const AmountAxis& axis) {
  const int height = kPlot.bottom - kPlot.top;
  const int left = kPlot.left + (month - 1) * kSlot;
  const int barLeft = left + (kSlot - kBarWidth) / 2;
  const int fuel = BarPixels(sums.refuellingCost, axis, height);
  const int other = BarPixels(sums.cost - sums.refuellingCost, axis, height);
  paint.Fill(barLeft, kPlot.bottom - fuel, barLeft + kBarWidth, kPlot.bottom, kRefuellingColor);
  paint.Fill(barLeft, kPlot.bottom - fuel - other, barLeft + kBarWidth, kPlot.bottom - fuel,
             kOtherItemsColor);
  if (sums.records > 0) {
    const int top = kPlot.bottom - fuel - other;
    paint.Text(ShortAmount(sums.cost), {left - 6, top - 18, left + kSlot + 6, top - 2}, DT_CENTER,
               paint.small, kInk);
  }
  CString name;
  name.Format(L"%d월", month);
  paint.Text(Wide(name), {left, kPlot.bottom + 6, left + kSlot, kPlot.bottom + 26}, DT_CENTER,
             paint.label, kInk);
}

// The drawing as an image of 0x00RRGGBB pixels.
res::Image Pixels(const CDC& dc) {
  res::Image image{kWidth, kHeight, std::vector<gdi::Pixel>(static_cast<size_t>(kWidth) * kHeight)};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF c = dc.GetPixel(x, y);
      image.pixels[static_cast<size_t>(y) * kWidth + x] =
          (gdi::Pixel{GetRValue(c)} << 16) | (gdi::Pixel{GetGValue(c)} << 8) | GetBValue(c);
    }
  }
  return image;
}

}  // namespace

// The chart module's entry point (chart_module.h): the only symbol the
// module exports.
extern "C" __attribute__((visibility("default"))) ChartOutcome roadtally_write_year_chart(
    int year, const YearSums& sums, const char* pngPath) {
  CBitmap bitmap;  // 32 bits a pixel, which text can be drawn on
  CDC dc;
  Painter paint(dc);
  if (!bitmap.CreateBitmap(kWidth, kHeight, 1, 32, nullptr) || !dc.CreateCompatibleDC(nullptr) ||
      !paint.CreateFonts()) {
    return ChartOutcome::kNotDrawn;
  }
  CBitmap* original = dc.SelectObject(&bitmap);
  CFont* originalFont = dc.GetCurrentFont();
  dc.SetBkMode(TRANSPARENT);
  paint.Fill(0, 0, kWidth, kHeight, kPaper);

  std::int64_t highest = 0;
  for (const PeriodSums& month : sums.months) {
    highest = std::max(highest, std::max<std::int64_t>(0, month.refuellingCost) +
                                    std::max<std::int64_t>(0, month.cost - month.refuellingCost));
  }
  const AmountAxis axis =
      ChooseAxis(std::max(highest, kManWon));  // an empty year still has a readable scale
  DrawHeading(paint, year, sums.year.cost);
  DrawAxis(paint, axis);
  for (int month = 1; month <= 12; ++month) DrawMonth(paint, month, sums.months[month - 1], axis);
  paint.Fill(kPlot.left, kPlot.bottom, kPlot.right, kPlot.bottom + 1, kAxis);

  res::Image image = Pixels(dc);
  dc.SelectObject(originalFont);
  dc.SelectObject(original);
  return res::WritePngFile(pngPath, image.View()) ? ChartOutcome::kWritten
                                                  : ChartOutcome::kNotWritten;
}

static_assert(std::is_same_v<decltype(roadtally_write_year_chart), WriteYearChartEntry>);

}  // namespace ledger_tool
