#include "platform/host/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace host {

namespace {

// Readable by all, so that another user writing the same logbook (root
// through sudo, a cron job) can lock it too.
constexpr mode_t kLockFileMode = 0644;

UniqueFd OpenLockFile(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kLockFileMode));
  if (!fd.Valid() && (errno == EACCES || errno == EROFS))
    fd = UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  return fd;
}

}  // namespace

std::optional<InstanceLock> InstanceLock::TryAcquire(const std::string& path,
                                                     const std::string& label, int& error) {
  error = 0;
  UniqueFd fd = OpenLockFile(path);
  if (!fd.Valid()) {
    error = errno;
    return std::nullopt;
  }
  if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK) error = errno;
    return std::nullopt;
  }
  // Who holds it, for whoever waits for it; the lock is what counts. Written
  // over the last holder's line and cut only where that was longer: a
  // truncation on every acquisition cost each start about half a
  // millisecond on disk. A reader in between finds this label and id first.
  const std::string holder = label + " " + std::to_string(::getpid()) + "\n";
  const off_t length = static_cast<off_t>(holder.size());
  struct stat before {};
  if (::pwrite(fd.Get(), holder.data(), holder.size(), 0) == length &&
      ::fstat(fd.Get(), &before) == 0 && before.st_size > length) {
    [[maybe_unused]] const int cut = ::ftruncate(fd.Get(), length);
  }
  return InstanceLock(std::move(fd));
}

std::string InstanceLock::HolderLabel(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (!fd.Valid()) return {};
  char text[64] = {};
  const ssize_t length = ::pread(fd.Get(), text, sizeof text - 1, 0);
  if (length <= 0) return {};
  // A label left by a holder that died is no one's: the lock has passed
  // to a process that has not written its own yet.
  char label[64] = {};
  long pid = 0;
  if (std::sscanf(text, "%63s %ld", label, &pid) != 2 || pid <= 0) return {};
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return {};
  return label;
}

}  // namespace host
