// Where per-user run-time files (locks, sockets) go.
#pragma once

#include <optional>
#include <string>

namespace host {

// $XDG_RUNTIME_DIR when set, else /tmp/roadtally-<uid>, created private to
// the user. None when the directory is missing and cannot be made, or is
// not a private directory of this user (someone else's or a symbolic link).
std::optional<std::string> RuntimeDirectory();

}  // namespace host
