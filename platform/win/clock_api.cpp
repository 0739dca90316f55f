// The clock and sleeping. Time comes from the host; without one (a tool
// that never opens a window) the clock stands at zero.
#include "platform/win/host_port.h"
#include "platform/win/winuser.h"
#include "platform/win/window_manager.h"

namespace {
host::Host* Host() { return platform::Context::Get().TryGet<host::Host>(); }
}  // namespace

// What was drawn before the pause is on the screen during it, as on the
// device, where windows draw straight to the display: a pressed button shows
// pressed while its handler waits.
void Sleep(DWORD milliseconds) {
  if (auto* manager = platform::Context::Get().TryGet<win::WindowManager>())
    manager->compositor.PresentIfChanged(*manager);
  if (host::Host* host = Host()) host->Sleep(milliseconds);
}

void GetLocalTime(LPSYSTEMTIME time) {
  if (!time) return;
  host::Host* host = Host();
  *time = host ? host->LocalTime() : SYSTEMTIME{};
}
