// The window system's seam with what it does not own: a host that shows the
// composed screen, delivers input and keeps the clock (the window manager
// asks it for input only when nothing else is due), and a broker that keeps
// one running program per data file. Declared here, by their user;
// platform/host/ implements them (SDL window, headless script, socket
// broker) and main() installs them in the platform context.
#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <string_view>

#include "platform/core/context.h"
#include "platform/core/windef.h"
#include "platform/gdi/pixels.h"

namespace host {

// The device's screen, in pixels.
constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 240;

// The device's own close/cancel key; it has no name among the virtual keys.
constexpr UINT kDeviceCloseKey = 0xC3;

// One input event in screen pixels of the 320 x 240 screen.
struct InputEvent {
  enum class Kind {
    PenDown,
    PenMove,
    PenUp,
    KeyDown,  // vk holds the virtual key
    KeyUp,
    Close,  // the user asked the program to close (window button, end of script)
    Quit,   // stop at once with exitCode (a malformed script line, say)
  };
  Kind kind;
  int x = 0;
  int y = 0;
  UINT vk = 0;
  int exitCode = 0;
};

// For a host that reads input ahead into `held`: DropPenPresses's rule,
// the pen events from the first pen-down on dropped, the rest kept in order.
inline void DropPenEventsFromFirstPress(std::deque<InputEvent>& held) {
  auto isPen = [](const InputEvent& e) {
    return e.kind == InputEvent::Kind::PenDown || e.kind == InputEvent::Kind::PenMove ||
           e.kind == InputEvent::Kind::PenUp;
  };
  auto from = std::find_if(held.begin(), held.end(),
                           [](const InputEvent& e) { return e.kind == InputEvent::Kind::PenDown; });
  held.erase(std::remove_if(from, held.end(), isPen), held.end());
}

// For the same hosts: the first event read ahead, taken; nothing when none is.
inline std::optional<InputEvent> TakeHeld(std::deque<InputEvent>& held) {
  if (held.empty()) return std::nullopt;
  const InputEvent event = held.front();
  held.pop_front();
  return event;
}

// Installed into the platform context by main(): Context::Install<host::Host>.
class Host : public platform::Service {
 public:
  // Milliseconds on the host's clock: real in a window, virtual headless.
  virtual DWORD TickCount() = 0;

  // The local date and time now (headless: the --today date, clock-driven time).
  virtual SYSTEMTIME LocalTime() = 0;

  // Blocks the calling thread; headless advances the virtual clock at once.
  virtual void Sleep(DWORD ms) = 0;

  // Called only when no message, paint or due timer is waiting. Returns the
  // next input event, or nothing when the clock reached `deadline` (the tick
  // at which the next timer falls due) first. Without a deadline it waits
  // as long as it takes.
  virtual std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) = 0;

  // Input that has arrived and not been taken yet: its pen events from the
  // first pen-down on are dropped, the rest kept in order (see
  // DiscardPenPresses). A host whose input arrives only when asked for (a
  // script) has none waiting.
  virtual void DropPenPresses() = 0;

  // The composed screen changed; show it. The view stays valid until the
  // next call.
  virtual void Present(const gdi::Surface32& screen) = 0;

  // Brings the program's desktop window to the front (SetForegroundWindow).
  virtual void RaiseWindow() = 0;
};

// Installed into the platform context by main(): Context::Install<host::InstanceBroker>.
// FindWindow consults it when it finds no local window of a class, and
// SetForegroundWindow when asked to raise a window of another process.
// Without one, FindWindow looks at this process alone.
class InstanceBroker : public platform::Service {
 public:
  // Another process using the same data file has a top-level window of this class.
  virtual bool IsRunningElsewhere(std::wstring_view className) = 0;

  // Asks that process to bring its window to the front.
  virtual void RaiseElsewhere(std::wstring_view className) = 0;

  // This process has created a top-level window of this class: claim it, so
  // later processes with the same data file find it.
  virtual void Announce(std::wstring_view className) = 0;
};

}  // namespace host
