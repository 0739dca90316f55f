#include "platform/host/framebuffer_host.h"

#include <poll.h>

#include <ostream>
#include <utility>

namespace host {
namespace {

// Opens the named inputs, or finds the devices; false and `error` set when
// a named one cannot be opened.
bool OpenInputs(const CommandLine& options, std::vector<InputDevice>& inputs, std::string& error) {
  if (options.inputs.empty()) {
    inputs = InputDevice::FindAll(options.touchCalibration);
    return true;
  }
  for (const std::string& path : options.inputs) {
    std::optional<InputDevice> input = InputDevice::Open(path, options.touchCalibration, error);
    if (!input) return false;
    inputs.push_back(std::move(*input));
  }
  return true;
}

}  // namespace

std::unique_ptr<FramebufferHost> FramebufferHost::Open(const CommandLine& options,
                                                       std::string& error,
                                                       std::ostream& diagnostics) {
  std::unique_ptr<MappedFramebuffer> panel =
      MappedFramebuffer::Open(*options.framebuffer, options.framebufferGeometry, error);
  if (!panel) return nullptr;
  std::vector<InputDevice> inputs;
  if (!OpenInputs(options, inputs, error)) return nullptr;
  if (inputs.empty())
    diagnostics << "roadtally: no touch panel or keys found in /dev/input (is the user in the "
                   "input group?); name them with --input\n";
  return std::make_unique<FramebufferHost>(std::move(panel), std::move(inputs), options.today);
}

FramebufferHost::FramebufferHost(std::unique_ptr<MappedFramebuffer> panel,
                                 std::vector<InputDevice> inputs,
                                 std::optional<std::chrono::sys_days> today)
    : panel_(std::move(panel)),
      writer_(panel_->view),
      inputs_(std::move(inputs)),
      hadInput_(!inputs_.empty()),
      today_(today) {}

DWORD FramebufferHost::TickCount() {
  using namespace std::chrono;
  return static_cast<DWORD>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void FramebufferHost::Present(const gdi::Surface32& screen) {
  if (!console_) console_.emplace();
  writer_.Write(screen);
}

std::optional<InputEvent> FramebufferHost::WaitForInput(std::optional<DWORD> deadline) {
  for (;;) {
    if (std::optional<InputEvent> event = TakeHeld(pending_)) return event;
    if (hadInput_ && inputs_.empty()) return InputEnded();
    int timeout = -1;
    if (deadline) {
      const auto left = static_cast<std::int32_t>(*deadline - TickCount());
      if (left <= 0) return std::nullopt;
      timeout = left;
    }
    ReadReady(timeout);
  }
}

// What came during the pause is read now, so that its pen presses go.
void FramebufferHost::DropPenPresses() {
  ReadReady(0);
  DropPenEventsFromFirstPress(pending_);
}

// Waits up to `timeoutMs` (-1: without end) for input and reads what came.
// Inputs that ended are dropped.
void FramebufferHost::ReadReady(int timeoutMs) {
  std::vector<pollfd> polled;
  for (const InputDevice& input : inputs_) polled.push_back({input.Fd(), POLLIN, 0});
  const int ready = ::poll(polled.data(), polled.size(), timeoutMs);
  if (ready <= 0) return;
  std::vector<InputDevice> open;
  for (size_t i = 0; i < inputs_.size(); ++i) {
    const bool ended = polled[i].revents != 0 && !inputs_[i].Read(pending_);
    if (!ended) open.push_back(std::move(inputs_[i]));
  }
  inputs_ = std::move(open);
}

// The end of every input asks the program to close; if it asks again, it
// is stopped.
InputEvent FramebufferHost::InputEnded() {
  if (!std::exchange(closeAsked_, true)) return InputEvent{InputEvent::Kind::Close};
  return InputEvent{InputEvent::Kind::Quit};
}

}  // namespace host
