#include "platform/host/launcher.h"

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

DataFileChoice ChooseDataFile(const std::optional<std::string>& given,
                              const std::optional<std::string>& beside, bool besideExists,
                              const std::optional<std::string>& userDirectory) {
  if (given) return {*given, {}};
  if (!beside) {
    return {{},
            "cannot read the program's own path (/proc/self/exe); name the data file with "
            "--data PATH"};
  }
  if (besideExists || !userDirectory) return {*beside, {}};
  return {*userDirectory + "/" + std::filesystem::path(*beside).filename().string(), {}};
}

std::string NotADataFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return {};
  return S_ISDIR(info.st_mode) ? "a directory, not a data file" : "not a regular file";
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
