// The text console under the panel, put out of the way while the program
// draws: when the program's standard input is a terminal its echo and
// cursor are turned off, and when it is a virtual console the kernel stops
// drawing text on the framebuffer (KD_GRAPHICS). Everything is put back
// when the guard goes, at exit(), and on a signal that ends the process (a
// crash included), so the panel is never left without its console.
#pragma once

namespace host {

class ConsoleGraphicsMode {
 public:
  ConsoleGraphicsMode();
  ~ConsoleGraphicsMode();
  ConsoleGraphicsMode(const ConsoleGraphicsMode&) = delete;
  ConsoleGraphicsMode& operator=(const ConsoleGraphicsMode&) = delete;
};

}  // namespace host
