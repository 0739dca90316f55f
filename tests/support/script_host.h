// The program's host inside a test's or benchmark's own process: it plays
// headless scripts from strings. Each Play starts a fresh script while the
// virtual clock runs on from where the last one left it, so timers and
// pauses keep their meaning across runs. The platform context takes one
// host for the whole process, so Installed() installs one and it swaps
// scripts inside.
#pragma once

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/host/headless_host.h"
#include "platform/res/png_codec.h"

namespace testing_support {

class ScriptHost final : public host::Host {
 public:
  // The host of this process, installed on first use; its script is empty
  // until the first Play.
  static ScriptHost& Installed();

  // Today is 2005-01-20 on the script's clock.
  explicit ScriptHost(const std::string& script = "");

  // Starts `script` (one command a line) for the next run.
  void Play(const std::string& script);

  // Empty when the run took its script whole: the dialog ended on the
  // script's last line (a tap whose pen-down ended it leaves its pen-up
  // unread) and never ran out of input. Otherwise what went wrong.
  std::string Finish();

  DWORD TickCount() override;
  SYSTEMTIME LocalTime() override;
  void Sleep(DWORD ms) override;
  std::optional<host::InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  void Present(const gdi::Surface32& screen) override;
  void RaiseWindow() override {}
  void DropPenPresses() override {}

  bool keepFrames = false;         // whether Present keeps a copy of each frame
  std::vector<res::Image> frames;  // every frame presented, when kept
  long events = 0;                 // input events delivered, the script's end not counted

 private:
  std::ostringstream diagnostics_;
  std::unique_ptr<host::HeadlessHost> script_;
  DWORD start_ = 0;  // the clock when the current script began
  int lastLine_ = 0;
  bool ranOut_ = false;
};

}  // namespace testing_support
