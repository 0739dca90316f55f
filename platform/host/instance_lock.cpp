#include "platform/host/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace host {

std::optional<InstanceLock> InstanceLock::TryAcquire(const std::string& path,
                                                     const std::string& label) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!fd.Valid() || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
  // Who holds it, for whoever waits for it; the lock is what counts.
  std::string holder = label + " " + std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd.Get(), 0) == 0) {
    [[maybe_unused]] ssize_t written = ::pwrite(fd.Get(), holder.data(), holder.size(), 0);
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
