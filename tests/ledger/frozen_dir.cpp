#include "tests/ledger/frozen_dir.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace ledger_test {

FrozenDir::FrozenDir(const std::filesystem::path& dir) : m_dir(dir) {
  m_frozen = SetImmutable(true);
}

FrozenDir::~FrozenDir() {
  if (m_frozen) SetImmutable(false);
}

bool FrozenDir::SetImmutable(bool on) {
  const int fd = ::open(m_dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}

}  // namespace ledger_test
