// Where the one-writer lock and the raise socket of a data file live.
#pragma once

#include <string>
#include <string_view>

namespace host {

// ".<name>.lock" in the directory of the file the data path leads to
// (symbolic links followed, a file not there yet included). The directory
// decides, not the environment: every writer, whatever its user, session,
// working directory or path to the file, meets at this one file. Empty,
// with errno's code in error, when the path's links cannot be followed.
std::string DataLockPath(const std::string& dataPath, int& error);

// "<directory>/roadtally-<hash>.sock": where the program with that data
// file and window class takes requests to come to the front; per user,
// hashed from the data file's canonical path.
std::string RaiseSocketPath(const std::string& directory, const std::string& canonicalDataPath,
                            std::wstring_view className);

}  // namespace host
