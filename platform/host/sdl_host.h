// The host in a desktop window: SDL2 shows the screen, the mouse or touch
// is the pen, the keyboard gives the device's keys, the clock is real.
// While nothing happens the process sleeps in SDL's event wait.
#pragma once

#include <memory>
#include <string>

#include "platform/host/window_host.h"

namespace host {

class SdlHost final : public WindowHost {
 public:
  // Opens the window; nullptr and `error` set when there is no display.
  static std::unique_ptr<SdlHost> Open(const Options& options, std::string& error);
  ~SdlHost() override;

  DWORD TickCount() override;
  SYSTEMTIME LocalTime() override;
  void Sleep(DWORD ms) override;
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  void DropPenPresses() override;
  void Present(const gdi::Surface32& screen) override;
  void RaiseWindow() override;
  void PostRaiseRequest() override;

  struct State;
  explicit SdlHost(std::unique_ptr<State> state);

 private:
  std::unique_ptr<State> state_;
};

}  // namespace host
