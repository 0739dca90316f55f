#include "platform/host/command_line.h"

#include "platform/host/civil_time.h"
#include "platform/res/words.h"

namespace host {
namespace {

constexpr int kLargestScale = 16;
constexpr char kDefaultFramebuffer[] = "/dev/fb0";

struct Argument {
  std::string_view name;
  std::optional<std::string_view> value;  // given after '='
};

Argument Split(std::string_view argument) {
  size_t equals = argument.find('=');
  if (argument.substr(0, 2) != "--" || equals == std::string_view::npos) return {argument, {}};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

std::optional<int> ParseScale(std::string_view text) {
  const std::optional<int> scale = res::ParseNumber<int>(text);
  if (!scale || *scale < 1 || *scale > kLargestScale) return std::nullopt;
  return scale;
}

// Applies an option that takes a value; an error message, empty when fine.
std::string ApplyValue(std::string_view name, std::string_view value, CommandLine& options) {
  if (name == "--script") {
    if (value.empty()) return "--script needs a FILE or -";
    options.script = std::string(value);
    options.headless = true;
  } else if (name == "--today") {
    options.today = ParseIsoDate(value);
    if (!options.today)
      return "--today needs a real date YYYY-MM-DD from 1601-01-01 to 9999-12-31 (the clock's "
             "range), not '" +
             std::string(value) + "'";
  } else if (name == "--data") {
    if (value.empty()) return "--data needs a PATH";
    options.dataPath = std::string(value);
  } else if (name == "--fb-geometry") {
    options.framebufferGeometry = ParseFramebufferGeometry(value);
    if (!options.framebufferGeometry)
      return "--fb-geometry needs WxH@BPP (BPP 16, 24 or 32), not '" + std::string(value) + "'";
  } else if (name == "--input") {
    if (value.empty()) return "--input needs a PATH";
    options.inputs.emplace_back(value);
  } else if (name == "--touch-calibration") {
    std::string error;
    std::optional<TouchCalibration> calibration = ParseTouchCalibration(value, error);
    if (!calibration) return "--touch-calibration: " + error;
    options.touchCalibration = *calibration;
  } else {
    options.scale = ParseScale(value);
    if (!options.scale)
      return "--scale needs a whole number 1.." + std::to_string(kLargestScale) + ", not '" +
             std::string(value) + "'";
  }
  return {};
}

bool TakesValue(std::string_view name) {
  return name == "--script" || name == "--today" || name == "--data" || name == "--scale" ||
         name == "--fb-geometry" || name == "--input" || name == "--touch-calibration";
}

ParsedCommandLine Failure(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const Argument argument = Split(arguments[i]);
    if (TakesValue(argument.name)) {
      std::optional<std::string_view> value = argument.value;
      if (!value && i + 1 < arguments.size()) value = arguments[++i];
      if (!value) return Failure(std::string(argument.name) + " needs a value");
      if (std::string error = ApplyValue(argument.name, *value, options); !error.empty())
        return Failure(error);
    } else if (argument.name == "--framebuffer") {
      // Its device is optional, so it is only ever given after '='.
      if (argument.value && argument.value->empty())
        return Failure("--framebuffer= needs a device or file");
      options.framebuffer = std::string(argument.value.value_or(kDefaultFramebuffer));
    } else if (argument.value) {
      return Failure(std::string(argument.name) + " takes no value");
    } else if (argument.name == "--headless") {
      options.headless = true;
    } else if (argument.name == "--help" || argument.name == "-h") {
      options.action = CommandLine::Action::Help;
    } else if (argument.name == "--version") {
      options.action = CommandLine::Action::Version;
    } else if (argument.name == "--where") {
      options.action = CommandLine::Action::Where;
    } else if (argument.name == "--fullscreen") {
      options.fullscreen = true;
    } else {
      return Failure("unknown argument '" + std::string(arguments[i]) + "'");
    }
  }
  if (options.framebuffer && options.headless)
    return Failure("--framebuffer and --headless (or --script) exclude each other");
  return {options, {}};
}

std::string VersionText() { return std::string("roadtally ") + ROADTALLY_VERSION + "\n"; }

std::string HelpText() {
  return R"(Usage: roadtally [OPTION]...
A vehicle expense logbook for a 320 x 240 touch screen, here in a desktop
window, on a board's panel through the Linux framebuffer, or, with
--headless, driven by a script.

Options:
  --help              show this text and end
  --version           show the version and end
  --headless          no window: input from a script, a virtual clock
  --script FILE|-     the script to run (- for standard input, the default);
                      implies --headless
  --today YYYY-MM-DD  the date the clock reports, 1601-01-01 to 9999-12-31
                      (headless: from 12:00:00)
  --where             show the data file's path and end
  --data PATH         the data file to use instead (see below)
  --scale N           the window's whole scale factor 1..16 (default: the
                      largest at which the window with its frame fits the
                      display)
  --fullscreen        the whole display: the screen scaled by the largest
                      whole factor that fits, centred on black, no pointer;
                      a touch is the pen
  --framebuffer[=DEV] draw into a Linux framebuffer (default /dev/fb0) and
                      read the pen and keys from evdev; no window system
  --fb-geometry WxH@BPP  a regular file stands in for the framebuffer with
                      this size and depth (16: RGB565, 24, 32: XRGB)
  --input PATH        an evdev device (or a pipe of its records) to read;
                      may be repeated; default: the /dev/input/event*
                      devices with a touch panel or keys
  --touch-calibration ITEM[,ITEM]...  where raw touches land: swap (the
                      panel's X is the screen's y), x=LEFT:RIGHT and
                      y=TOP:BOTTOM (raw values at the screen's edges, after
                      swap), invert-x, invert-y; without ranges a device's
                      own are used, and a pipe's values are screen pixels

The data file: the one beside the program when it is there (a portable
copy), else the file of that name in $XDG_DATA_HOME/roadtally/ (by default
~/.local/share/roadtally/); --where shows which. To back it up, copy that
one file: each save replaces it whole, so a copy is never half written.

One program runs per data file: a second start with the same data file
brings the first one's window to the front and ends.

Keys in the window:
  arrows              the device's arrow keys
  Enter               RETURN          Escape        ESCAPE
  F1 F2 F3 F4         the function keys
  numeric pad 0-9     NUMPAD0..NUMPAD9
  End                 the device's close key (0xC3)
The mouse, or a touch, is the pen. Closing the window closes the program.
On the framebuffer the same keys count (the digits of the top row as the
pad's too); the end of every --input asks the program to close.

Script lines (one command a line, each handled before the next begins):
  tap X Y             pen down and up at (X, Y), 0..319 x 0..239
  down X Y | move X Y | up X Y
  key NAME            key down and up; keydown NAME | keyup NAME
                      NAME: LEFT RIGHT UP DOWN RETURN ESCAPE F1 F2 F3 F4
                      NUMPAD0..NUMPAD9 DEVICE, or 0xNN
  wait MS             advance the virtual clock, delivering timers and paints
  shot FILE.png       write the screen as it is now (320 x 240 PNG)
  # comment
A malformed line stops the run with its line number (exit status 2); the
end of the script closes the program.

Exit status: 0 when the program ended normally, 1 without a display (use
--headless, or run under xvfb-run) or a usable framebuffer, 2 for a bad
option or script line.
)";
}

}  // namespace host
