// The drawing paths every screen goes through: full-screen copies, colour-
// keyed cells, short Korean labels, and a whole calendar-like screen.
#include <benchmark/benchmark.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "platform/framework/cdc.h"
#include "platform/gdi/surface_dc.h"
#include "skin/skin_bitmap.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr wchar_t kLabel[] = L"\uC9C0\uCD9C\uC785\uB825";  // 지출입력

// A memory DC over a new screen-sized device bitmap.
struct Screen {
  Screen() {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    old = dc.SelectObject(&bitmap);
  }
  ~Screen() { dc.SelectObject(old); }
  CBitmap bitmap;
  CDC dc;
  CBitmap* old = nullptr;
};

void BM_SrcCopyScreen(benchmark::State& state) {
  Screen from, to;
  from.dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(10, 20, 30));
  for (auto _ : state) {
    to.dc.BitBlt(0, 0, kWidth, kHeight, &from.dc, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_SrcCopyScreen);

void BM_MemcpyScreen(benchmark::State& state) {
  std::vector<std::uint32_t> from(kWidth * kHeight, 7), to(kWidth * kHeight);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_MemcpyScreen);

void BM_DrawCellTransparent48x25(benchmark::State& state) {
  Screen screen;
  CSkinBitmap skin;
  skin.LoadFromResource(1, 48, 25, RGB(0, 255, 0));
  for (auto _ : state) skin.DrawCellTransparent(&screen.dc, CPoint(100, 100), 1, 0);
}
BENCHMARK(BM_DrawCellTransparent48x25);

void SelectLabelFont(CDC& dc, CFont& font) {
  font.CreateFont(14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Gulim");
  dc.SelectObject(&font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(RGB(255, 255, 255));
}

void BM_DrawTextKoreanLabelWarm(benchmark::State& state) {
  Screen screen;
  CFont font;
  SelectLabelFont(screen.dc, font);
  CRect rect(100, 200, 180, 225);
  screen.dc.DrawText(kLabel, -1, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);  // warms caches
  for (auto _ : state) screen.dc.DrawText(kLabel, -1, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
BENCHMARK(BM_DrawTextKoreanLabelWarm);

// What the calendar paints: background, title, weekday names, 31 day
// numbers, a few markers, the selected day's frame and the button labels.
void ComposeCalendar(CDC& dc, CSkinBitmap& background, CSkinBitmap& marker, CPen& framePen) {
  background.DrawCell(&dc, CPoint(0, 0), 0, 0, 0);
  CRect title(0, 0, 320, 40);
  dc.DrawText(L"2026\uB144 12\uC6D4", -1, title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  static const wchar_t* const kDays[] = {L"\uC77C", L"\uC6D4", L"\uD654", L"\uC218",
                                         L"\uBAA9", L"\uAE08", L"\uD1A0"};
  for (int i = 0; i < 7; ++i) {
    CRect cell(i * 45, 40, i * 45 + 45, 56);
    dc.DrawText(kDays[i], -1, cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  wchar_t number[4];
  for (int day = 1; day <= 31; ++day) {
    const int slot = day + 1;
    CRect cell((slot % 7) * 45, 56 + (slot / 7) * 33, (slot % 7) * 45 + 45, 89 + (slot / 7) * 33);
    swprintf(number, 4, L"%d", day);
    dc.DrawText(number, -1, cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (day % 6 == 0) marker.DrawCellTransparent(&dc, CPoint(cell.left + 2, cell.top + 2), 0, 0);
  }
  CPen* oldPen = dc.SelectObject(&framePen);
  dc.MoveTo(90, 89);
  dc.LineTo(134, 89);
  dc.LineTo(134, 121);
  dc.LineTo(90, 121);
  dc.LineTo(90, 89);
  dc.SelectObject(oldPen);
  CRect button(240, 214, 320, 240);
  dc.DrawText(kLabel, -1, button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void BM_CalendarScreen(benchmark::State& state) {
  Screen screen;
  CFont font;
  SelectLabelFont(screen.dc, font);
  CSkinBitmap background, marker;
  background.LoadFromResource(2, 320, 240, RGB(0, 255, 0));
  marker.LoadFromResource(1, 48, 25, RGB(0, 255, 0));
  CPen framePen(PS_SOLID, 1, RGB(255, 200, 0));
  ComposeCalendar(screen.dc, background, marker, framePen);
  for (auto _ : state) ComposeCalendar(screen.dc, background, marker, framePen);
}
BENCHMARK(BM_CalendarScreen);

}  // namespace
