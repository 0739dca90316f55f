// Names of the per-user run-time files, hashed from the data file's
// canonical path so that every spelling of one file meets at one name.
#pragma once

#include <string>
#include <string_view>

namespace host {

// "<directory>/roadtally-<hash>.lock": the data file's one-writer lock.
std::string DataLockPath(const std::string& directory, const std::string& canonicalDataPath);

// "<directory>/roadtally-<hash>.sock": where the program with that data
// file and window class takes requests to come to the front.
std::string RaiseSocketPath(const std::string& directory, const std::string& canonicalDataPath,
                            std::wstring_view className);

}  // namespace host
