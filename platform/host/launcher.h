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

// Where the program's data file lives on this host. The program names it
// beside its executable; a file already there is used (a portable copy on
// a board's card, a logbook from before installs), otherwise it goes to the
// user's data directory, so that neither a build folder nor a system
// directory holds a driver's logbook.
// $XDG_DATA_HOME/roadtally, or $HOME/.local/share/roadtally when
// XDG_DATA_HOME is unset, empty or relative (such values are to be
// ignored); none when neither gives an absolute directory.
std::optional<std::string> UserDataDirectory(const char* xdgDataHome, const char* home);

// This run's data file, decided once: `given` (--data) when there is one;
// else the program's file beside the executable when it exists, else a file
// of the same name in `userDirectory` (or the one beside the executable when
// there is no user directory). `beside` is none when the executable's own
// path could not be read: then only --data names a file, and `error` says so.
struct DataFileChoice {
  std::string path;
  std::string error;
};
DataFileChoice ChooseDataFile(const std::optional<std::string>& given,
                              const std::optional<std::string>& beside, bool besideExists,
                              const std::optional<std::string>& userDirectory);

// Why the path cannot be a data file: something other than a regular file
// there (a directory, FIFO, socket or device, directly or through a link).
// Empty when it can be one, a file not there yet included.
std::string NotADataFile(const std::string& path);

// Makes the file's directory, and any missing parent, private to the user
// (mode 0700) when it is not there yet. False when it cannot be made.
bool MakeDataDirectory(const std::string& dataFile);

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
