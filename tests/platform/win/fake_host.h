// A scripted host for window-manager tests: a virtual clock that jumps to
// each deadline, input events queued at given times, and a record of what
// was presented. When the queue is empty and nothing is due before `endTime`
// it asks the program to quit with kExhausted.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

#include "platform/core/context.h"
#include "platform/win/host_port.h"
#include "platform/win/window_manager.h"
#include "platform/win/winuser.h"

namespace win_test {

constexpr int kExhausted = 99;

class FakeHost : public host::Host {
 public:
  struct Timed {
    DWORD at;
    host::InputEvent event;
  };

  DWORD TickCount() override { return now; }
  SYSTEMTIME LocalTime() override { return SYSTEMTIME{2026, 12, 1, 7, 9, 30, 0, 0}; }
  void Sleep(DWORD ms) override { now += ms; }
  void RaiseWindow() override { ++raises; }
  void DropPenPresses() override {}

  std::optional<host::InputEvent> WaitForInput(std::optional<DWORD> deadline) override {
    ++waits;
    if (!events.empty() && (!deadline || events.front().at <= *deadline)) {
      Timed next = events.front();
      events.pop_front();
      now = std::max(now, next.at);
      return next.event;
    }
    if (deadline && *deadline <= endTime) {
      now = std::max(now, *deadline);
      return std::nullopt;
    }
    return host::InputEvent{host::InputEvent::Kind::Quit, 0, 0, 0, kExhausted};
  }

  void Present(const gdi::Surface32& screen) override {
    ++presents;
    shown.assign(static_cast<size_t>(screen.width) * screen.height, 0);
    for (int y = 0; y < screen.height; ++y)
      std::copy_n(screen.Row(y), screen.width,
                  shown.begin() + static_cast<std::ptrdiff_t>(y) * screen.width);
  }

  gdi::Pixel ShownAt(int x, int y) const {
    return shown.at(static_cast<size_t>(y) * host::kScreenWidth + x);
  }

  void Queue(host::InputEvent::Kind kind, int x = 0, int y = 0, UINT vk = 0, DWORD at = 0) {
    events.push_back({at, host::InputEvent{kind, x, y, vk, 0}});
  }
  void Tap(int x, int y) {
    Queue(host::InputEvent::Kind::PenDown, x, y);
    Queue(host::InputEvent::Kind::PenUp, x, y);
  }
  void Key(UINT vk) {
    Queue(host::InputEvent::Kind::KeyDown, 0, 0, vk);
    Queue(host::InputEvent::Kind::KeyUp, 0, 0, vk);
  }

  DWORD now = 0;
  DWORD endTime = 0;
  std::deque<Timed> events;
  std::vector<gdi::Pixel> shown;
  int presents = 0;
  int waits = 0;
  int raises = 0;
};

// Each test starts with a fresh platform and a fake host installed.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    platform::Context::Get().Reset();
    auto installed = std::make_unique<FakeHost>();
    host_ = installed.get();
    platform::Context::Get().Install<host::Host>(std::move(installed));
  }
  ~WindowTest() override { platform::Context::Get().Reset(); }

  // The message loop until WM_QUIT; returns its exit code.
  static int RunLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
    return static_cast<int>(msg.wParam);
  }

  FakeHost& Host() { return *host_; }

 private:
  FakeHost* host_;
};

}  // namespace win_test
