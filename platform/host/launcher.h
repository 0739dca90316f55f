// What the roadtally executable's main() does: reads the command line,
// installs the host (window or headless) and the single-instance broker in
// the platform context, runs the program, and gives the exit status.
// The program and the services that live above the host (PNG files, the
// icon resource, the data-path table) come in as parts, so that this layer
// depends on none of them.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/host/headless_host.h"
#include "platform/host/window_icon.h"

namespace host {

struct ProgramParts {
  std::function<int()> run;                                // the program, to its exit code
  ScreenshotWriter writeShot;                              // for the script's `shot`
  std::function<std::optional<WindowIcon>()> loadIcon;     // the window's icon, if any
  std::function<void(const std::string&)> overrideDataPath;  // --data given: use this file
};

// The arguments after the program's name. Exit status: the program's, or
// 0 for --help and --version, 1 without a display, 2 for a bad option or
// a bad script line.
int Launch(std::span<const std::string_view> arguments, const ProgramParts& parts);

// The data file beside the executable, as a host path.
std::string DefaultDataPath();

}  // namespace host
