// Any line of a headless script: parsed into a command with its values in
// range, refused with a reason, or ignored as blank or comment.
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/host/script_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const host::ParsedLine parsed =
      host::ParseScriptLine(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(!(parsed.command && !parsed.error.empty()), "a command or an error, not both");
  if (!parsed.command) return 0;
  const host::ScriptCommand& command = *parsed.command;
  using Kind = host::ScriptCommand::Kind;
  const bool pen = command.kind == Kind::Tap || command.kind == Kind::PenDown ||
                   command.kind == Kind::PenMove || command.kind == Kind::PenUp;
  if (pen)
    Require(command.x >= 0 && command.x < 320 && command.y >= 0 && command.y < 240,
            "pen on the screen");
  if (command.kind == Kind::Key || command.kind == Kind::KeyDown || command.kind == Kind::KeyUp)
    Require(command.vk > 0 && command.vk < 256, "a key is a virtual key code");
  if (command.kind == Kind::Shot) Require(!command.file.empty(), "a shot names its file");
  return 0;
}
