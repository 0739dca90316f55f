// The seam between the window system and where pixels go and input comes
// from. The window manager owns the message queue and asks the host for
// input only when nothing else is due; everything host-specific (SDL, the
// headless script, the real or virtual clock) lives behind this interface.
#pragma once

#include <optional>

#include "platform/core/context.h"
#include "platform/gdi/pixels.h"
#include "platform/win/windef.h"

namespace host {

constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 240;

// One input event in screen pixels of the 320 x 240 screen.
struct InputEvent {
  enum class Kind {
    PenDown,
    PenMove,
    PenUp,
    KeyDown,   // vk holds the virtual key
    KeyUp,
    Close,     // the user asked the program to close (window button, end of script)
    Quit,      // stop at once with exitCode (a malformed script line, say)
  };
  Kind kind;
  int x = 0;
  int y = 0;
  UINT vk = 0;
  int exitCode = 0;
};

// Installed into the platform context by main(): Context::Install<host::Host>.
class Host : public platform::Service {
 public:

  // Milliseconds on the host's clock: real in a window, virtual headless.
  virtual DWORD TickCount() = 0;

  // The local date and time now (headless: the --today date, clock-driven time).
  virtual SYSTEMTIME LocalTime() = 0;
  virtual SYSTEMTIME UniversalTime() = 0;

  // Blocks the calling thread; headless advances the virtual clock at once.
  virtual void Sleep(DWORD ms) = 0;

  // Called only when no message, paint or due timer is waiting. Returns the
  // next input event, or nothing when the clock reached `deadline` (the tick
  // at which the next timer falls due) first. Without a deadline it waits
  // as long as it takes.
  virtual std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) = 0;

  // The composed screen changed; show it. The view stays valid until the
  // next call.
  virtual void Present(const gdi::Surface32& screen) = 0;

  // Brings the program's desktop window to the front (SetForegroundWindow).
  virtual void RaiseWindow() = 0;
};

}  // namespace host
