// What the roadtally executable's main() does: reads the command line,
// installs the host (window or headless) and the single-instance broker in
// the platform context, runs the program, and gives the exit status.
// The program and what only it knows (PNG files, its icon resource, where its
// data file lives) come in as parts, so that this layer depends on none of
// them.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/host/headless_host.h"
#include "platform/host/window_host.h"

namespace host {

struct ProgramParts {
  std::function<int()> run;                             // the program, to its exit code
  ScreenshotWriter writeShot;                           // for the script's `shot`
  std::function<std::optional<WindowIcon>()> loadIcon;  // the window's icon, if any
  // The program's data file for the executable's path, both device paths
  // ("\bin\roadtally" -> "\bin\logbook.dat"). The launcher applies it once
  // and binds the result (ProgramDataFile) to the host file it chooses:
  // --data PATH, that file, or the user's data directory. The
  // single-instance claim is kept on that file. Without one, the claim is
  // kept per executable.
  std::function<std::wstring(const std::wstring& modulePath)> dataPathFor;
};

// The arguments after the program's name. Exit status: the program's, or
// 0 for --help and --version; 1 without a display, while the ledger tool
// keeps the data file, for a data path that is not a regular file, or when
// no data file can be named (the executable's path unreadable and no
// --data); 2 for a bad option or a bad script line.
int Launch(std::span<const std::string_view> arguments, const ProgramParts& parts);

}  // namespace host
