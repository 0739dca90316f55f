// One line of a headless input script, parsed: what the pen, the keys or
// the clock should do next.
#pragma once

#include <string>

#include "platform/core/windef.h"

namespace host {

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

}  // namespace host
