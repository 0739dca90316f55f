// The host on a board's own panel without a GPU: the screen goes into a
// Linux framebuffer (frame_writer.h), the pen and keys come from evdev
// devices (evdev_device.h), the clock is real. Needs the C library and the
// kernel alone. The console is put into graphics mode at the first frame
// and back when the host goes. When every input named or found has ended
// (a pipe closed, in tests), the program is asked to close.
#pragma once

#include <chrono>
#include <deque>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/command_line.h"
#include "platform/host/console_mode.h"
#include "platform/host/evdev_device.h"
#include "platform/host/framebuffer_device.h"

namespace host {

class FramebufferHost final : public Host {
 public:
  // Maps options.framebuffer and opens the input; nullptr and `error` set
  // when either cannot be used. Says on `diagnostics` when no input was found.
  static std::unique_ptr<FramebufferHost> Open(const CommandLine& options, std::string& error,
                                               std::ostream& diagnostics);

  DWORD TickCount() override;
  SYSTEMTIME LocalTime() override;
  void Sleep(DWORD ms) override;
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  void DropPenPresses() override;
  void Present(const gdi::Surface32& screen) override;
  void RaiseWindow() override;

  FramebufferHost(std::unique_ptr<MappedFramebuffer> panel, std::vector<InputDevice> inputs,
                  std::optional<std::chrono::sys_days> today);

 private:
  void ReadReady(int timeoutMs);
  InputEvent InputEnded();

  std::unique_ptr<MappedFramebuffer> panel_;
  FrameWriter writer_;
  std::vector<InputDevice> inputs_;
  const bool hadInput_;
  std::optional<std::chrono::sys_days> today_;
  std::deque<InputEvent> pending_;
  bool closeAsked_ = false;
  std::optional<ConsoleGraphicsMode> console_;  // from the first frame on
};

}  // namespace host
