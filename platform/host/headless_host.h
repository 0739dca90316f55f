// The host without a display: input comes from a script, time is virtual
// (it stands still until a `wait` or a Sleep moves it), and `shot` lines
// write the last presented screen to a file.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/host/script_parser.h"
#include "platform/win/host_port.h"

namespace host {

// Writes a 320 x 240 screen to a file; false if it could not.
using ScreenshotWriter = std::function<bool(const gdi::Surface32& screen, const std::string& path)>;

class HeadlessHost final : public Host {
 public:
  // The clock's date is `today` (the real local date if none) and its time
  // of day starts at noon. Errors and the final report go to `diagnostics`.
  HeadlessHost(std::unique_ptr<std::istream> script, std::optional<std::chrono::sys_days> today,
               ScreenshotWriter writeShot, std::ostream& diagnostics);

  DWORD TickCount() override { return static_cast<DWORD>(now_); }
  SYSTEMTIME LocalTime() override;
  void Sleep(DWORD ms) override { now_ += ms; }
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  // A script's next line is read only when the program asks for input.
  void DropPenPresses() override {}
  void Present(const gdi::Surface32& screen) override { screen_ = screen; }
  void RaiseWindow() override {}  // there is no window to raise

  // Once the program has ended with `exitCode`: says on diagnostics where an
  // unfinished script stopped, and gives the process's exit status.
  int Finish(int exitCode);

 private:
  bool AdvanceToTimer(std::optional<DWORD> deadline);
  std::optional<InputEvent> EventFromScript(std::optional<DWORD> deadline);
  void QueueEvents(const ScriptCommand& command);
  bool TakeShot(const std::string& path);
  InputEvent Fail(const std::string& message);
  InputEvent CloseAtEnd();

  ScriptReader reader_;
  std::chrono::sys_days date_;
  ScreenshotWriter writeShot_;
  std::ostream& diagnostics_;

  std::uint64_t now_ = 0;                   // virtual milliseconds since start
  std::optional<std::uint64_t> waitUntil_;  // end of the `wait` in progress
  std::deque<InputEvent> pending_;          // the rest of a two-event command
  int commandLine_ = 0;                     // line of the last command begun
  std::optional<gdi::Surface32> screen_;    // the last presented, valid until the next
  bool failed_ = false;
  int closeRequests_ = 0;
};

}  // namespace host
