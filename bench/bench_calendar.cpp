// The calendar's one whole paint with markers on every day (the start to
// the first frame is bench_host's).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "app/main_wnd.h"
#include "bench/january_ledger.h"
#include "bench/screen_copy_floor.h"
#include "dialogs/skin_dlg.h"
#include "platform/host/headless_host.h"
#include "platform/win/files.h"

// The program's screen rectangle, which the dialogs the calendar opens take.
const RECT g_rcScreen = {0, 0, 320, 240};

namespace {

// A whole paint (62 markers, 31 day numbers, the title and the labels)
// against one screen copy timed in the same iterations.
constexpr int kFloorCopies = 4;

void BM_CalendarPaint(benchmark::State& state) {
  using namespace std::chrono;
  std::ostringstream diagnostics;
  platform::Context::Get().Install<host::Host>(std::make_unique<host::HeadlessHost>(
      std::make_unique<std::istringstream>(""), sys_days{year{2005} / January / 20}, nullptr,
      diagnostics));
  SetProgramDataFile(
      L"\\Roadtally.dat",
      bench::WriteJanuaryLedger(std::filesystem::temp_directory_path() / "bench-calendar.dat", 0)
          .string());
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
