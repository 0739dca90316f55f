// A headless input script, one command a line, read as the program asks
// for input so that a script on standard input can be fed as it goes:
//
//   tap X Y | down X Y | move X Y | up X Y      screen pixels, 0..319 x 0..239
//   key NAME | keydown NAME | keyup NAME        names as for VirtualKeyFromName
//   wait MS                                     virtual milliseconds
//   shot FILE.png                               the screen as it is now
//   # comment                                   also after a command
#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/windef.h"

namespace host {

// One line, parsed: what the pen, the keys or the clock should do next.
struct ScriptCommand {
  enum class Kind {
    Tap,  // pen down, then pen up, at (x, y)
    PenDown,
    PenMove,
    PenUp,
    Key,  // key down, then key up
    KeyDown,
    KeyUp,
    Wait,  // advance the virtual clock by ms
    Shot,  // write the screen to file
  };
  Kind kind = Kind::Wait;
  int x = 0;
  int y = 0;
  UINT vk = 0;
  DWORD ms = 0;
  std::string file;
};

struct ParsedLine {
  std::optional<ScriptCommand> command;  // none for a blank or comment line
  std::string error;                     // set when the line is malformed
};

ParsedLine ParseScriptLine(std::string_view line);

// The virtual key a script's key name stands for ("LEFT", "F1", "DEVICE",
// "NUMPAD7", "0xC3"): names are matched without regard to case; 0xNN gives
// any key 0x01..0xFE.
std::optional<UINT> VirtualKeyFromName(std::string_view name);

class ScriptReader {
 public:
  explicit ScriptReader(std::unique_ptr<std::istream> script);

  // The next command, skipping blank and comment lines; or the first
  // malformed line's error; neither at the end.
  ParsedLine Next();

  // The number of the line that Next read last (1 for the first line).
  int LineNumber() const { return lineNumber_; }

  // Whether a command line follows. Reads ahead: for the final report only.
  bool HasMoreCommands();

 private:
  std::unique_ptr<std::istream> script_;
  int lineNumber_ = 0;
};

}  // namespace host
