// The keypad and the message box at work: a keystroke from pen-down to the
// presented frame, and a whole repaint of each, through the real modal
// loop reading a headless script. The time is that of a run of all the
// steps; the counter gives one step alone, and for a whole repaint x_floor
// holds that step against one screen copy.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/modal_run.h"
#include "bench/screen_copy_floor.h"
#include "dialogs/keypad_dlg.h"
#include "dialogs/message_box_dlg.h"

const RECT g_rcScreen = {0, 0, 320, 240};

namespace {

using bench::Repeat;

constexpr int kSteps = 200;
constexpr int kFloorCopies = 2000;

// A full repaint's step against one screen copy timed right after the runs.
void ReportAgainstFloor(benchmark::State& state) {
  if (state.iterations() == 0 || !state.counters.count("per_step")) return;
  bench::ScreenCopyFloor floor;
  floor.Time(kFloorCopies);
  floor.Report(state, state.counters["per_step"].value / static_cast<double>(state.iterations()));
}

// Ends on the script's F1, with the text the steps leave (a cancel would
// hand back the caller's).
void RunKeypad(benchmark::State& state, const std::string& steps, const wchar_t* textLeft) {
  bench::RunSteps(state, steps, kSteps, "key F1\n", [textLeft] {
    CKeypadDlg keypad(nullptr);
    keypad.m_strValue = L"0.00";
    keypad.m_strCaption = L"지출비용 입력";
    keypad.m_strPrompt = L"지출비용을 입력하십시오.";
    return keypad.DoModal() == IDOK && keypad.m_strValue == textLeft;
  });
}

// Taps on the 7 and on "<-" by turns, so the text stays short ("7", "0"):
// each tap is a pen-down, a pen-up, the command and the repaint it asks for.
// A step is one tap.
void BM_KeypadKeystroke(benchmark::State& state) {
  RunKeypad(state, Repeat("tap 101 176\ntap 123 222\n", kSteps / 2), L"0");
}
BENCHMARK(BM_KeypadKeystroke)->Unit(benchmark::kMillisecond);

// The close key's press repaints the whole keypad and does nothing else.
void BM_KeypadFullPaint(benchmark::State& state) {
  RunKeypad(state, Repeat("keydown DEVICE\n", kSteps), L"0.00");
  ReportAgainstFloor(state);
}
BENCHMARK(BM_KeypadFullPaint)->Unit(benchmark::kMillisecond);

// F1's press selects OK and repaints the whole message box.
void BM_MessageBoxFullPaint(benchmark::State& state) {
  bench::RunSteps(state, Repeat("keydown F1\n", kSteps), kSteps, "key F2\n", [] {
    CMessageBoxDlg box(nullptr, L"지출금액 또는 주행거리를 입력하십시오.", L"입력오류",
                       MB_OKCANCEL);
    return box.DoModal() == IDCANCEL;
  });
  ReportAgainstFloor(state);
}
BENCHMARK(BM_MessageBoxFullPaint)->Unit(benchmark::kMillisecond);

}  // namespace
