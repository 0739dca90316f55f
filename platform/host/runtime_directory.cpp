#include "platform/host/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace host {
namespace {

bool IsPrivateDirectory(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::optional<std::string> RuntimeDirectory() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg && *xdg && IsPrivateDirectory(xdg)) return std::string(xdg);
  std::string fallback = "/tmp/roadtally-" + std::to_string(::getuid());
  if (::mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!IsPrivateDirectory(fallback)) return std::nullopt;
  return fallback;
}

}  // namespace host
