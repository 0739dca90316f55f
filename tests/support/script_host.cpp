#include "tests/support/script_host.h"

#include <algorithm>
#include <chrono>

namespace testing_support {
namespace {

using Kind = host::InputEvent::Kind;

std::unique_ptr<host::HeadlessHost> HostFor(const std::string& script, std::ostream& diagnostics) {
  using namespace std::chrono;
  return std::make_unique<host::HeadlessHost>(std::make_unique<std::istringstream>(script),
                                              sys_days{year{2005} / January / 20}, nullptr,
                                              diagnostics);
}

}  // namespace

ScriptHost& ScriptHost::Installed() {
  static ScriptHost* const installed = [] {
    auto owned = std::make_unique<ScriptHost>();
    ScriptHost* host = owned.get();
    platform::Context::Get().Install<host::Host>(std::move(owned));
    return host;
  }();
  return *installed;
}

ScriptHost::ScriptHost(const std::string& script) : script_(HostFor("", diagnostics_)) {
  Play(script);
}

void ScriptHost::Play(const std::string& script) {
  start_ = TickCount();
  diagnostics_.str("");
  script_ = HostFor(script, diagnostics_);
  lastLine_ = static_cast<int>(std::count(script.begin(), script.end(), '\n'));
  ranOut_ = false;
}

std::string ScriptHost::Finish() {
  if (ranOut_) return "the script ran out before the dialog ended";
  script_->Finish(0);
  const std::string report = diagnostics_.str();
  const std::string endedOnLastLine = "script:" + std::to_string(lastLine_) + ":";
  if (report.empty() || report.starts_with(endedOnLastLine)) return {};
  return report;
}

DWORD ScriptHost::TickCount() { return start_ + script_->TickCount(); }
SYSTEMTIME ScriptHost::LocalTime() { return script_->LocalTime(); }
void ScriptHost::Sleep(DWORD ms) { script_->Sleep(ms); }

void ScriptHost::Present(const gdi::Surface32& screen) {
  if (keepFrames) {
    res::Image& frame = frames.emplace_back();
    frame.width = screen.width;
    frame.height = screen.height;
    for (int y = 0; y < screen.height; ++y)
      frame.pixels.insert(frame.pixels.end(), screen.Row(y), screen.Row(y) + screen.width);
  }
  script_->Present(screen);
}

// The script's host counts from zero; deadlines are moved onto its clock.
std::optional<host::InputEvent> ScriptHost::WaitForInput(std::optional<DWORD> deadline) {
  std::optional<DWORD> own;
  if (deadline) own = *deadline - start_;
  std::optional<host::InputEvent> event = script_->WaitForInput(own);
  if (event && (event->kind == Kind::Close || event->kind == Kind::Quit))
    ranOut_ = true;
  else if (event)
    ++events;
  return event;
}

}  // namespace testing_support
