// The headless host's own cost: a 1000-line script of taps, keys, waits
// and comments, read, parsed and turned into events, with a 50 ms repeat
// timer firing through every wait as a window manager would ask for it.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "platform/host/headless_host.h"

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

}  // namespace
