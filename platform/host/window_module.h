// Loads the window host's module, roadtally-window.so (loaded_module.h),
// and opens the window through it.
#pragma once

#include <memory>
#include <string>

#include "platform/host/window_host.h"

namespace host {

// The window, which keeps the module loaded while it lives; nullptr and
// `error` set when the module cannot be loaded or the window not opened.
std::unique_ptr<WindowHost> OpenWindowHost(const WindowHost::Options& options, std::string& error);

}  // namespace host
