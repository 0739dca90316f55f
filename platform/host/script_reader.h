// Reads a headless input script line by line, as the program asks for
// input, so that a script on standard input can be fed as it goes.
#pragma once

#include <istream>
#include <memory>
#include <string>

#include "platform/host/script_command.h"

namespace host {

class ScriptReader {
 public:
  struct Step {
    enum class Kind { Command, Error, End };
    Kind kind = Kind::End;
    ScriptCommand command;
    std::string error;
  };

  explicit ScriptReader(std::unique_ptr<std::istream> script);

  // The next command, skipping blank and comment lines; or the first
  // malformed line's error; or the end.
  Step Next();

  // The number of the line that Next read last (1 for the first line).
  int LineNumber() const { return lineNumber_; }

  // Whether a command line follows. Reads ahead: for the final report only.
  bool HasMoreCommands();

 private:
  std::unique_ptr<std::istream> script_;
  int lineNumber_ = 0;
};

}  // namespace host
