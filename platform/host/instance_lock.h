// An exclusive advisory lock on a file (flock), held for as long as the
// object lives. The kernel drops it when its process dies, so a lock file
// left behind by a crash never counts as held.
#pragma once

#include <optional>
#include <string>

#include "platform/host/unique_fd.h"

namespace host {

class InstanceLock {
 public:
  // The lock, if no live process (this one included) holds it. The file
  // then says who holds it: label, a space, the process id. `error` is 0
  // when another holds it, else why the file could not be locked (errno).
  // A lock file this user may not write (another user's) is locked all the
  // same, without a label; a link in its place is refused.
  static std::optional<InstanceLock> TryAcquire(const std::string& path, const std::string& label,
                                                int& error);

  // The label the holder wrote; empty when there is none (yet).
  static std::string HolderLabel(const std::string& path);

 private:
  explicit InstanceLock(UniqueFd fd) : fd_(std::move(fd)) {}
  UniqueFd fd_;
};

}  // namespace host
