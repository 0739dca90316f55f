// The host for benchmarks that run one modal dialog after another in one
// process: each run plays a fresh headless script, while the virtual clock
// runs on from where the last run left it, so timers and pauses keep their
// meaning across runs. The platform context takes one host for the whole
// process, so this one is installed once and swaps scripts inside.
#pragma once

#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "platform/host/headless_host.h"

namespace bench {

class ScriptHost final : public host::Host {
 public:
  // The host of this process, installed on first use; its script is empty
  // until the first Play.
  static ScriptHost& Installed();

  ScriptHost();

  // Starts `script` (one command a line) for the next run.
  void Play(const std::string& script);

  // Empty when the run took its script whole: the dialog ended on the
  // script's last line (a tap whose pen-down ended it leaves its pen-up
  // unread) and never ran out of input. Otherwise what went wrong.
  std::string Finish();

  DWORD TickCount() override;
  SYSTEMTIME LocalTime() override;
  SYSTEMTIME UniversalTime() override;
  void Sleep(DWORD ms) override;
  std::optional<host::InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  void Present(const gdi::Surface32& screen) override;
  void RaiseWindow() override;
  void DropPenPresses() override {}

 private:
  std::ostringstream diagnostics_;
  std::unique_ptr<host::HeadlessHost> script_;
  DWORD start_ = 0;  // the clock when the current script began
  int lastLine_ = 0;
  bool ranOut_ = false;
};

}  // namespace bench
