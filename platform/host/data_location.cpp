#include "platform/host/data_location.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace host {
namespace {

constexpr char kProgramDirectory[] = "roadtally";

bool Absolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

std::optional<std::string> UserDataDirectory(const char* xdgDataHome, const char* home) {
  if (Absolute(xdgDataHome)) return std::string(xdgDataHome) + "/" + kProgramDirectory;
  if (Absolute(home)) return std::string(home) + "/.local/share/" + kProgramDirectory;
  return std::nullopt;
}

std::string DataFileFor(const std::string& beside, bool besideExists,
                        const std::optional<std::string>& userDirectory) {
  if (besideExists || !userDirectory) return beside;
  return *userDirectory + "/" + std::filesystem::path(beside).filename().string();
}

// Component by component, so that every directory made here gets 0700
// whatever the umask leaves (the umask can only take bits away).
bool MakeDataDirectory(const std::string& dataFile) {
  const std::filesystem::path directory = std::filesystem::path(dataFile).parent_path();
  std::filesystem::path partial;
  for (const std::filesystem::path& part : directory) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  std::error_code error;
  return std::filesystem::is_directory(directory, error);
}

}  // namespace host
