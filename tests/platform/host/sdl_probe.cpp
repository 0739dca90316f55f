// Opens the SDL host's window at scale 2 showing a plain screen, says
// "ready", then prints each input event as "down X Y", "up X Y",
// "keyup 0xNN" and so on, until a close request or key 0xC3 goes up.
#include <cstdio>
#include <vector>

#include "platform/host/sdl_host.h"

namespace {

void Print(const host::InputEvent& event) {
  using Kind = host::InputEvent::Kind;
  switch (event.kind) {
    case Kind::PenDown: std::printf("down %d %d\n", event.x, event.y); break;
    case Kind::PenMove: std::printf("move %d %d\n", event.x, event.y); break;
    case Kind::PenUp: std::printf("up %d %d\n", event.x, event.y); break;
    case Kind::KeyDown: std::printf("keydown 0x%02X\n", event.vk); break;
    case Kind::KeyUp: std::printf("keyup 0x%02X\n", event.vk); break;
    case Kind::Close: std::printf("close\n"); break;
    case Kind::Quit: std::printf("quit\n"); break;
  }
  std::fflush(stdout);
}

}  // namespace

int main() {
  std::string error;
  auto window = host::SdlHost::Open({2, false, std::nullopt, std::nullopt}, error);
  if (!window) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::vector<gdi::Pixel> screen(host::kScreenWidth * host::kScreenHeight, 0x00336699);
  window->Present({screen.data(), host::kScreenWidth, host::kScreenHeight, host::kScreenWidth});
  std::puts("ready");
  std::fflush(stdout);
  for (;;) {
    std::optional<host::InputEvent> event = window->WaitForInput(std::nullopt);
    if (!event) continue;
    Print(*event);
    if (event->kind == host::InputEvent::Kind::Close) return 0;
    if (event->kind == host::InputEvent::Kind::KeyUp && event->vk == 0xC3) return 0;
  }
}
