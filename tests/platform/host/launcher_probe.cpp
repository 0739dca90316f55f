// The launcher with a stand-in program, so the command line, the hosts and
// the broker can be driven as a whole before any window system exists.
// The stand-in claims its window class for the data file (or raises the
// copy that holds it), runs a 100 ms repeat timer, and prints each event:
// "down X Y @TICK", "keyup 0xNN", "timer TICK", "date ..." on F1, "close".
// Key 0xC3 going up ends it; F2 sleeps 250 ms; a tap presents a screen
// whose pixels all hold the tap's X.
#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/core/context.h"
#include "platform/host/launcher.h"
#include "platform/win/host_port.h"

namespace {

using Kind = host::InputEvent::Kind;
constexpr wchar_t kClass[] = L"LauncherProbe";
constexpr DWORD kTimerPeriod = 100;

void PrintDate(host::Host& host) {
  SYSTEMTIME t = host.LocalTime();
  std::printf("date %04u-%02u-%02u %02u:%02u:%02u.%03u\n", t.wYear, t.wMonth, t.wDay, t.wHour,
              t.wMinute, t.wSecond, t.wMilliseconds);
}

// Handles one event; the exit code when the program should end.
std::optional<int> Handle(const host::InputEvent& event, host::Host& host,
                          std::vector<gdi::Pixel>& screen) {
  switch (event.kind) {
    case Kind::PenDown: std::printf("down %d %d @%u\n", event.x, event.y, host.TickCount()); break;
    case Kind::PenMove: std::printf("move %d %d\n", event.x, event.y); break;
    case Kind::PenUp:
      std::printf("up %d %d @%u\n", event.x, event.y, host.TickCount());
      screen.assign(screen.size(), static_cast<gdi::Pixel>(event.x));
      host.Present({screen.data(), host::kScreenWidth, host::kScreenHeight, host::kScreenWidth});
      break;
    case Kind::KeyDown: std::printf("keydown 0x%02X\n", event.vk); break;
    case Kind::KeyUp:
      std::printf("keyup 0x%02X\n", event.vk);
      if (event.vk == 0x70) PrintDate(host);
      if (event.vk == 0x71) host.Sleep(250);
      if (event.vk == 0xC3) return 0;
      break;
    case Kind::Close: std::printf("close\n"); return 0;
    case Kind::Quit: std::printf("quit %d\n", event.exitCode); return event.exitCode;
  }
  return std::nullopt;
}

int StandInProgram() {
  host::Host& host = *platform::Context::Get().TryGet<host::Host>();
  host::InstanceBroker& broker = *platform::Context::Get().TryGet<host::InstanceBroker>();
  if (broker.IsRunningElsewhere(kClass)) {
    broker.RaiseElsewhere(kClass);
    std::puts("raised the other");
    return 0;
  }
  broker.Announce(kClass);
  std::puts("running");
  std::fflush(stdout);
  std::vector<gdi::Pixel> screen(host::kScreenWidth * host::kScreenHeight, 0);
  DWORD nextTimer = host.TickCount() + kTimerPeriod;
  for (;;) {
    std::optional<host::InputEvent> event = host.WaitForInput(nextTimer);
    if (!event) {
      std::printf("timer %u\n", host.TickCount());
      nextTimer += kTimerPeriod;
    } else if (std::optional<int> exitCode = Handle(*event, host, screen)) {
      return *exitCode;
    }
    std::fflush(stdout);
  }
}

// Writes "WIDTHxHEIGHT FIRST-PIXEL" instead of a PNG image.
bool DescribeScreen(const gdi::Surface32& screen, const std::string& path) {
  std::ofstream file(path);
  file << screen.width << 'x' << screen.height << ' ' << screen.pixels[0] << '\n';
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  host::ProgramParts parts{StandInProgram, DescribeScreen, {}, {}};
  return host::Launch(arguments, parts);
}
