// The roadtally executable's command line.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/panel_format.h"
#include "platform/host/touch_calibration.h"

namespace host {

struct CommandLine {
  enum class Action { Run, Help, Version, Where };
  Action action = Action::Run;
  bool headless = false;
  std::string script = "-";  // a file, or "-" for standard input
  std::optional<std::chrono::sys_days> today;
  std::optional<std::string> dataPath;  // replaces the data file beside the executable
  std::optional<int> scale;             // window scale; none: the largest that fits
  bool fullscreen = false;              // the whole display, no decorations, no cursor

  // --framebuffer: the device, or a regular file standing in for one with
  // the given geometry; the evdev devices or pipes to read (none: found by
  // capability) and where their touches land.
  std::optional<std::string> framebuffer;
  std::optional<FramebufferGeometry> framebufferGeometry;
  std::vector<std::string> inputs;
  TouchCalibration touchCalibration;
};

struct ParsedCommandLine {
  std::optional<CommandLine> options;
  std::string error;  // one line, when the arguments are wrong
};

// The arguments after the program's name. Options take their value as the
// next argument or after '='; a script implies --headless. --framebuffer
// takes its device only after '=' (default /dev/fb0).
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments);

std::string HelpText();
std::string VersionText();

}  // namespace host
