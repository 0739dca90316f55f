#include "platform/host/script_reader.h"

#include "platform/host/script_parser.h"

namespace host {

ScriptReader::ScriptReader(std::unique_ptr<std::istream> script) : script_(std::move(script)) {}

ScriptReader::Step ScriptReader::Next() {
  std::string line;
  while (std::getline(*script_, line)) {
    ++lineNumber_;
    ParsedLine parsed = ParseScriptLine(line);
    if (!parsed.error.empty()) return Step{Step::Kind::Error, {}, std::move(parsed.error)};
    if (parsed.command) return Step{Step::Kind::Command, std::move(*parsed.command), {}};
  }
  return Step{};
}

bool ScriptReader::HasMoreCommands() {
  std::string line;
  while (std::getline(*script_, line)) {
    ParsedLine parsed = ParseScriptLine(line);
    if (parsed.command || !parsed.error.empty()) return true;
  }
  return false;
}

}  // namespace host
