// The host in a desktop window as the launcher sees it. Its implementation
// (SDL, sdl_host.h) is built into a module of its own that is loaded only
// when a window is wanted (window_module.h), so that a headless run never
// maps SDL and the display and sound libraries it brings.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/host/window_icon.h"
#include "platform/win/host_port.h"

namespace host {

class WindowHost : public Host {
 public:
  struct Options {
    std::optional<int> scale;                    // none: the largest that fits
    bool fullscreen = false;                     // the whole display, no decorations
    std::optional<std::chrono::sys_days> today;  // a fixed date for the clock
    std::optional<WindowIcon> icon;
  };

  // Asks the window to come to the front; safe from any thread.
  virtual void PostRaiseRequest() = 0;
};

// The module's one entry point, by this name: opens the window, or leaves
// `window` empty and says why in `error` (no display, say).
using OpenWindowHostEntry = void(const WindowHost::Options& options,
                                 std::unique_ptr<WindowHost>& window, std::string& error);
inline constexpr char kOpenWindowHostEntry[] = "roadtally_open_window_host";

}  // namespace host
