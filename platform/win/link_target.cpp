#include "platform/win/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>

#include "platform/win/save_calls.h"

namespace {

// As the kernel allows when it resolves a path itself.
constexpr int kMaxLinks = 40;

// The kernel keeps a link's text shorter than PATH_MAX.
std::optional<std::string> ReadLink(const std::string& path, int& error) {
  std::array<char, PATH_MAX> buffer;
  const ssize_t length = CurrentSaveCalls().Readlink(path.c_str(), buffer.data(), buffer.size());
  if (length >= 0 && static_cast<size_t>(length) < buffer.size())
    return std::string(buffer.data(), static_cast<size_t>(length));
  error = length < 0 ? errno : ENAMETOOLONG;
  return std::nullopt;
}

}  // namespace

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> FollowLinks(const std::string& path, int& error) {
  std::string current = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    struct stat info {};
    if (CurrentSaveCalls().Lstat(current.c_str(), &info) != 0) {
      if (errno == ENOENT) return current;
      error = errno;
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) return current;
    std::optional<std::string> next = ReadLink(current, error);
    if (!next) return std::nullopt;
    current = (next->empty() || (*next)[0] == '/') ? *next : DirectoryOf(current) + "/" + *next;
  }
  error = ELOOP;
  return std::nullopt;
}
