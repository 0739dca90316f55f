#include "platform/host/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <string>

namespace host {

std::optional<InstanceLock> InstanceLock::TryAcquire(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!fd.Valid() || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
  // The holder's process id, for whoever looks at the file; the lock is what counts.
  std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd.Get(), 0) == 0) {
    [[maybe_unused]] ssize_t written = ::pwrite(fd.Get(), pid.data(), pid.size(), 0);
  }
  return InstanceLock(std::move(fd));
}

bool InstanceLock::IsHeld(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (!fd.Valid()) return false;
  if (::flock(fd.Get(), LOCK_SH | LOCK_NB) == 0) return false;
  return errno == EWOULDBLOCK;
}

}  // namespace host
