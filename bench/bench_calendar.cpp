// The calendar's one whole paint with markers on every day (the start to
// the first frame is bench_host's).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/main_wnd.h"
#include "bench/screen_copy_floor.h"
#include "dialogs/skin_dlg.h"
#include "ledger/data_path.h"
#include "ledger/expense_record.h"
#include "platform/host/headless_host.h"
#include "platform/win/files.h"

// The program's screen rectangle, which the dialogs the calendar opens take.
const RECT g_rcScreen = {0, 0, 320, 240};

namespace {

// Records on every day of January 2005 (both kinds), as the file stores
// them.
std::string WriteLedger() {
  const std::string path = (std::filesystem::temp_directory_path() / "bench-calendar.dat").string();
  std::string bytes =
      std::string("ROADtally", 9) + std::string(7, '\0') + std::string("\x01\0\0\0", 4);
  std::string records;
  auto add = [&](int year, int month, int day, int item) {
    ExpenseRecord r{};
    r.year = static_cast<std::int16_t>(year);
    r.month = static_cast<std::int16_t>(month);
    r.day = static_cast<std::int16_t>(day);
    r.itemId = static_cast<std::int16_t>(item);
    r.cost = 1000;
    records.append(reinterpret_cast<const char*>(&r), sizeof r);
  };
  int count = 0;
  for (int day = 1; day <= 31; ++day, count += 2) add(2005, 1, day, 0), add(2005, 1, day, 5);
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((count >> shift) & 0xFF);
  std::ofstream(path, std::ios::binary) << bytes << records;
  return path;
}

// A whole paint (62 markers, 31 day numbers, the title and the labels)
// against one screen copy timed in the same iterations.
constexpr int kFloorCopies = 4;

void BM_CalendarPaint(benchmark::State& state) {
  using namespace std::chrono;
  std::ostringstream diagnostics;
  platform::Context::Get().Install<host::Host>(std::make_unique<host::HeadlessHost>(
      std::make_unique<std::istringstream>(""), sys_days{year{2005} / January / 20}, nullptr,
      diagnostics));
  wchar_t module[kModulePathCapacity] = {};
  GetModuleFileName(nullptr, module, kModulePathCapacity);
  SetPathOverride(BuildDataPath(module), WriteLedger());
  WNDCLASS wc{};
  wc.lpfnWndProc = ::DefWindowProc;
  wc.lpszClassName = L"Roadtally";
  RegisterClass(&wc);
  auto* window = new CMainWnd;  // deletes itself when its window is destroyed
  window->CreateEx(0, L"Roadtally", L"Roadtally", WS_POPUP | WS_SYSMENU, 0, 0, 320, 240, nullptr,
                   nullptr);
  window->ShowWindow(SW_SHOWNORMAL);
  bench::ScreenCopyFloor floor;
  double painting = 0;
  for (auto _ : state) {
    const double start = bench::ThreadCpuSeconds();
    window->Invalidate(FALSE);
    window->UpdateWindow();
    painting += bench::ThreadCpuSeconds() - start;
    state.PauseTiming();
    floor.Time(kFloorCopies);
    state.ResumeTiming();
  }
  floor.Report(state, painting / static_cast<double>(state.iterations()));
  window->DestroyWindow();
}
BENCHMARK(BM_CalendarPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
