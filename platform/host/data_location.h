// Where the program's data file lives on this host. The program names it
// beside its executable; a file already there is used (a portable copy on
// a board's card, a logbook from before installs), otherwise it goes to the
// user's data directory, so that neither a build folder nor a system
// directory holds a driver's logbook.
#pragma once

#include <optional>
#include <string>

namespace host {

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

}  // namespace host
