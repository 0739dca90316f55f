// The host in a desktop window as the launcher sees it. Its implementation
// (SDL, sdl_host.h) is built into a module of its own that is loaded only
// when a window is wanted (OpenWindowHost), so that a headless run never
// maps SDL and the display and sound libraries it brings.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/host_port.h"

namespace host {

// A desktop window's icon, free of any windowing library's types:
// width x height pixels 0xAARRGGBB, rows top-down.
struct WindowIcon {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

class WindowHost : public Host {
 public:
  struct Options {
    std::optional<int> scale;  // none: the largest that fits
    bool fullscreen = false;   // the whole display, centred on black, no decorations or pointer
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

// Loads the module, roadtally-window.so (loaded_module.h), and opens the
// window through it. The window keeps the module loaded while it lives;
// nullptr and `error` set when the module cannot be loaded or the window
// not opened.
std::unique_ptr<WindowHost> OpenWindowHost(const WindowHost::Options& options, std::string& error);

}  // namespace host
