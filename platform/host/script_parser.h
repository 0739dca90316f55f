// Turns one text line of a headless input script into a command:
//
//   tap X Y | down X Y | move X Y | up X Y      screen pixels, 0..319 x 0..239
//   key NAME | keydown NAME | keyup NAME        names as in key_names.h
//   wait MS                                     virtual milliseconds
//   shot FILE.png                               the screen as it is now
//   # comment                                   also after a command
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/host/script_command.h"

namespace host {

struct ParsedLine {
  std::optional<ScriptCommand> command;  // none for a blank or comment line
  std::string error;                     // set when the line is malformed
};

ParsedLine ParseScriptLine(std::string_view line);

}  // namespace host
