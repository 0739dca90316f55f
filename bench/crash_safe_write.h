// The least a crash-safe save can do: the bytes written to a temporary
// file in the same directory, synced, renamed over the target, and the
// directory synced.
#pragma once

#include <filesystem>
#include <string_view>

namespace bench {

// False when any step failed.
bool WriteCrashSafe(const std::filesystem::path& target, std::string_view bytes);

}  // namespace bench
