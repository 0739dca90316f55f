// The headless host's own cost: a 1000-line script of taps, keys, waits
// and comments, read, parsed and turned into events, with a 50 ms repeat
// timer firing through every wait as a window manager would ask for it.
// And the whole program's start to its first presented frame, headless,
// in a window on a private X server and on a file standing in for a
// framebuffer, against a trivial process started in the same iterations;
// a full update of a 320 x 240 RGB565 panel against a plain copy of its
// bytes.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/january_ledger.h"
#include "platform/host/frame_writer.h"
#include "platform/host/headless_host.h"
#include "tests/support/child_process.h"
#include "tests/support/xvfb_display.h"

namespace {

std::string ThousandLineScript() {
  std::string script;
  for (int line = 0; line < 1000; ++line) {
    switch (line % 5) {
      case 0:
        script += "tap " + std::to_string(line % 320) + " " + std::to_string(line % 240) + "\n";
        break;
      case 1: script += "key NUMPAD" + std::to_string(line % 10) + "\n"; break;
      case 2: script += "wait 200\n"; break;
      case 3: script += "# a comment between commands\n"; break;
      case 4: script += "down 10 10\n"; break;
    }
  }
  return script;
}

void BM_HeadlessThousandLineScript(benchmark::State& state) {
  const std::string script = ThousandLineScript();
  std::ostringstream diagnostics;
  for (auto _ : state) {
    host::HeadlessHost host(
        std::make_unique<std::istringstream>(script), std::nullopt,
        [](const gdi::Surface32&, const std::string&) { return true; }, diagnostics);
    DWORD nextTimer = 50;
    int events = 0;
    for (;;) {
      std::optional<host::InputEvent> event = host.WaitForInput(nextTimer);
      if (!event) {
        nextTimer += 50;
        continue;
      }
      if (event->kind == host::InputEvent::Kind::Close) break;
      ++events;
    }
    benchmark::DoNotOptimize(events);
  }
}
BENCHMARK(BM_HeadlessThousandLineScript)->Unit(benchmark::kMillisecond);

namespace fs = std::filesystem;

// Runs command[0] with this process's environment and `settings`
// ("NAME=value") over it; `ran` stays true while each ends with status 0.
double MillisecondsToRun(const std::vector<std::string>& command,
                         const std::vector<std::string>& settings, bool& ran) {
  const auto start = std::chrono::steady_clock::now();
  ran = testing_support::Run(command, settings).exitStatus == 0 && ran;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Times the program against a process that does nothing, both started in
// the same iterations so both see the same machine. Counters: the medians
// of each, in ms, and the program's median over the floor's.
void TimeAgainstTrivialProcess(benchmark::State& state, const std::vector<std::string>& program,
                               const std::vector<std::string>& settings) {
  std::vector<double> starts, floors;
  bool ran = true;
  for (auto _ : state) {
    floors.push_back(MillisecondsToRun({TRIVIAL_PROCESS}, {}, ran));
    starts.push_back(MillisecondsToRun(program, settings, ran));
    state.SetIterationTime(starts.back() / 1000);
  }
  if (!ran) state.SkipWithError("roadtally or the trivial process failed");
  state.counters["median_ms"] = Median(starts);
  state.counters["floor_ms"] = Median(floors);
  state.counters["x_floor"] = Median(starts) / Median(floors);
}

fs::path BenchDirectory() {
  const fs::path dir = fs::temp_directory_path() / "bench-host-start";
  fs::create_directories(dir);
  fs::permissions(dir, fs::perms::owner_all);
  return dir;
}

// The program started headless on 10 000 records: load, paint, present,
// then the script (which may take a shot), end.
void TimeHeadlessStart(benchmark::State& state, bool withShot) {
  const fs::path dir = BenchDirectory();
  const fs::path data = bench::WriteJanuaryLedger(dir / "car.dat", 10000);
  std::ofstream script(dir / "start.script");
  if (withShot) script << "shot " << (dir / "first.png").string() << "\n";
  script.close();
  TimeAgainstTrivialProcess(state,
                            {ROADTALLY_PATH, "--headless", "--today", "2005-01-20", "--data",
                             data.string(), "--script", (dir / "start.script").string()},
                            {});
  fs::remove_all(dir);
}

// To the first frame and its PNG shot.
void BM_StartToFirstFrame(benchmark::State& state) { TimeHeadlessStart(state, true); }
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);

// To the first presented frame alone: the script is empty.
void BM_StartToFirstPresent(benchmark::State& state) { TimeHeadlessStart(state, false); }
BENCHMARK(BM_StartToFirstPresent)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);

// The same start in a window on a private X server, to SDL's first present,
// after which a preloaded module ends the process.
void BM_WindowStartToFirstFrame(benchmark::State& state) {
  const auto display = testing_support::XvfbDisplay::Start();
  if (!display) {
    state.SkipWithError("Xvfb did not start");
    return;
  }
  const fs::path dir = BenchDirectory();
  const fs::path data = bench::WriteJanuaryLedger(dir / "car.dat", 10000);
  TimeAgainstTrivialProcess(state,
                            {ROADTALLY_PATH, "--today", "2005-01-20", "--data", data.string()},
                            {display->Environment(), "XDG_RUNTIME_DIR=" + dir.string(),
                             "LD_PRELOAD=" FIRST_PRESENT_EXIT});
  fs::remove_all(dir);
}
BENCHMARK(BM_WindowStartToFirstFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(8);

// The same start on a file standing in for a 320 x 240 RGB565 panel, with
// an input that has already ended: the program paints its first frame,
// is asked to close and ends. The host maps no display library.
void BM_FramebufferStartToFirstFrame(benchmark::State& state) {
  const fs::path dir = BenchDirectory();
  const fs::path data = bench::WriteJanuaryLedger(dir / "car.dat", 10000);
  std::ofstream(dir / "no-input").close();
  TimeAgainstTrivialProcess(
      state,
      {ROADTALLY_PATH, "--framebuffer=" + (dir / "fb").string(), "--fb-geometry=320x240@16",
       "--input=" + (dir / "no-input").string(), "--today", "2005-01-20", "--data", data.string()},
      {"XDG_RUNTIME_DIR=" + dir.string()});
  fs::remove_all(dir);
}
BENCHMARK(BM_FramebufferStartToFirstFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(2);

double ThreadCpuMicroseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Two screens that differ in every row, written in turn into a 320 x 240
// RGB565 panel in memory, against copying the panel's 153 600 bytes; each
// timed over batches in the thread's CPU time, as both run in the same
// iterations on a machine that may be busy. Counters: each one's
// microseconds and the update over the copy.
void BM_FramebufferFullUpdate(benchmark::State& state) {
  constexpr size_t kPixels = 320 * 240;
  constexpr int kBatch = 16;
  std::vector<gdi::Pixel> screens[2] = {std::vector<gdi::Pixel>(kPixels),
                                        std::vector<gdi::Pixel>(kPixels)};
  for (size_t i = 0; i < kPixels; ++i) {
    screens[0][i] = static_cast<gdi::Pixel>(i * 2654435761u) & 0xFFFFFF;
    screens[1][i] = ~screens[0][i] & 0xFFFFFF;
  }
  std::vector<std::uint8_t> panel(kPixels * 2), copy(kPixels * 2, 1);
  host::FrameWriter writer({panel.data(), 320, 240, 640, *host::PanelFormatForDepth(16)});
  double updates = 0, copies = 0;
  long long rows = 0, frames = 0;
  for (auto _ : state) {
    const double start = ThreadCpuMicroseconds();
    for (int i = 0; i < kBatch; ++i, ++frames)
      rows += writer.Write({screens[frames % 2].data(), 320, 240, 320});
    const double written = ThreadCpuMicroseconds();
    for (int i = 0; i < kBatch; ++i) {
      std::memcpy(copy.data(), panel.data(), panel.size());
      benchmark::DoNotOptimize(copy.data());
      benchmark::ClobberMemory();
    }
    updates += written - start;
    copies += ThreadCpuMicroseconds() - written;
  }
  if (rows != frames * 240) state.SkipWithError("a full update skipped rows");
  state.counters["update_us"] = updates / static_cast<double>(frames);
  state.counters["copy_us"] = copies / static_cast<double>(frames);
  state.counters["x_floor"] = updates / copies;
}
BENCHMARK(BM_FramebufferFullUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
