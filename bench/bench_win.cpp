// The window manager's hot paths: delivering a message, and presenting the
// screen when nothing changed (should cost next to nothing) versus after a
// full-screen repaint.
#include <benchmark/benchmark.h>

#include "platform/framework/afxwin.h"
#include "platform/win/host_port.h"

namespace {

// A host that never has input and counts presents.
class IdleHost : public host::Host {
 public:
  DWORD TickCount() override { return now; }
  SYSTEMTIME LocalTime() override { return {}; }
  void Sleep(DWORD ms) override { now += ms; }
  std::optional<host::InputEvent> WaitForInput(std::optional<DWORD>) override {
    return std::nullopt;
  }
  void Present(const gdi::Surface32&) override { ++presents; }
  void RaiseWindow() override {}
  void DropPenPresses() override {}
  DWORD now = 0;
  long presents = 0;
};

IdleHost& FreshPlatform() {
  platform::Context::Get().Reset();
  auto host = std::make_unique<IdleHost>();
  IdleHost& ref = *host;
  platform::Context::Get().Install<host::Host>(std::move(host));
  return ref;
}

LRESULT FillingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT)
    return message == WM_USER ? 1 : DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  SetBkColor(dc, RGB(128, 128, 128));
  ExtTextOut(dc, 0, 0, ETO_OPAQUE, &ps.rcPaint, nullptr, 0, nullptr);
  EndPaint(hwnd, &ps);
  return 0;
}

HWND FullScreenWindow() {
  WNDCLASSW wc;
  wc.lpfnWndProc = FillingProc;
  wc.lpszClassName = L"Bench";
  RegisterClassW(&wc);
  return CreateWindowExW(0, L"Bench", L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                         nullptr, nullptr);
}

void DrainIdle() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void BM_PostGetDispatch(benchmark::State& state) {
  FreshPlatform();
  HWND hwnd = FullScreenWindow();
  DrainIdle();
  MSG msg;
  for (auto _ : state) {
    PostMessageW(hwnd, WM_USER, 0, 0);
    GetMessageW(&msg, nullptr, 0, 0);
    benchmark::DoNotOptimize(DispatchMessageW(&msg));
  }
}
BENCHMARK(BM_PostGetDispatch);

class CBenchWnd : public CWnd {
 protected:
  afx_msg LRESULT OnPing(WPARAM, LPARAM) { return 1; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBenchWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_SIZE()
  ON_MESSAGE(WM_USER, OnPing)
END_MESSAGE_MAP()

void BM_FrameworkSendThroughMessageTable(benchmark::State& state) {
  FreshPlatform();
  CBenchWnd wnd;
  wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(wnd.SendMessage(WM_USER));
  wnd.DestroyWindow();
}
BENCHMARK(BM_FrameworkSendThroughMessageTable);

void BM_IdleWithUnchangedScreen(benchmark::State& state) {
  IdleHost& host = FreshPlatform();
  FullScreenWindow();
  DrainIdle();
  long before = host.presents;
  MSG msg;
  for (auto _ : state) benchmark::DoNotOptimize(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  state.counters["presents"] = static_cast<double>(host.presents - before);
}
BENCHMARK(BM_IdleWithUnchangedScreen);

void BM_FullScreenRepaintAndPresent(benchmark::State& state) {
  IdleHost& host = FreshPlatform();
  HWND hwnd = FullScreenWindow();
  DrainIdle();
  long before = host.presents;
  for (auto _ : state) {
    InvalidateRect(hwnd, nullptr, FALSE);
    DrainIdle();
  }
  state.counters["presents"] = benchmark::Counter(static_cast<double>(host.presents - before),
                                                  benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullScreenRepaintAndPresent);

}  // namespace
