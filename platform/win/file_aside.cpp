// A rejected data file kept under another name instead of being written over.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/win/files.h"
#include "platform/win/link_target.h"

namespace {

// Renames without replacing: renameat2 where the file system has it, else
// a hard link and an unlink, which refuse an existing name just the same.
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

void SyncDirectoryOf(const std::string& path) {
  const int fd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool MoveFileAside(LPCWSTR path, const std::string& suffix, std::string& movedTo) {
  movedTo.clear();
  int error = 0;
  const std::optional<std::string> target = FollowLinks(HostPathFromDevice(path), error);
  if (!target || target->empty()) return false;
  struct stat info {};
  if (::lstat(target->c_str(), &info) != 0) return errno == ENOENT;
  if (!S_ISREG(info.st_mode)) {
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if ((info.st_mode & S_IWUSR) == 0) {  // the owner made it read-only
    errno = EACCES;
    return false;
  }
  for (int n = 1; n < 1000; ++n) {
    std::string candidate = *target + suffix;
    if (n > 1) candidate += '-' + std::to_string(n);
    if (RenameNoReplace(*target, candidate)) {
      SyncDirectoryOf(candidate);
      movedTo = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

std::string AsideName(LPCWSTR path, const std::string& suffix) {
  int error = 0;
  const std::optional<std::string> target = FollowLinks(HostPathFromDevice(path), error);
  return target && !target->empty() ? *target + suffix : std::string();
}

std::string UnusedAsideSuffix(LPCWSTR path, const std::string& suffix) {
  const std::string first = AsideName(path, suffix);
  struct stat info {};
  for (int n = 1; n < 1000 && !first.empty(); ++n) {
    const std::string tail = n > 1 ? '-' + std::to_string(n) : std::string();
    if (::lstat((first + tail).c_str(), &info) != 0 && errno == ENOENT) return suffix + tail;
  }
  return suffix;
}
