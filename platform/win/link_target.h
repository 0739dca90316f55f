// Where a host path leads once its symbolic links are followed, so that a
// write through a link replaces the link's target and the link stays.
#pragma once

#include <optional>
#include <string>

// The path the links end at (itself when it is no link). A path that does
// not exist yet ends there. None for a loop or a chain too long (error
// ELOOP) or a link that cannot be read (error from the system).
std::optional<std::string> FollowLinks(const std::string& path, int& error);

// The directory part of a host path ("." when it has none) and its last part.
std::string DirectoryOf(const std::string& path);
std::string BaseNameOf(const std::string& path);
