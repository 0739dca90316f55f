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

// The host file for a data file whose path beside the executable is
// `beside`: that file when it exists, else a file of the same name in
// `userDirectory` (or `beside` itself when there is no user directory).
std::string DataFileFor(const std::string& beside, bool besideExists,
                        const std::optional<std::string>& userDirectory);

// Makes the file's directory, and any missing parent, private to the user
// (mode 0700) when it is not there yet. False when it cannot be made.
bool MakeDataDirectory(const std::string& dataFile);

}  // namespace host
