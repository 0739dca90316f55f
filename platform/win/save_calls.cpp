#include "platform/win/save_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/core/context.h"

namespace {

class SystemSaveCalls final : public SaveCalls {
 public:
  int Lstat(const char* path, struct stat* info) override { return ::lstat(path, info); }
  ssize_t Readlink(const char* path, char* buffer, std::size_t size) override {
    return ::readlink(path, buffer, size);
  }
  int Stat(const char* path, struct stat* info) override { return ::stat(path, info); }
  int Open(const char* path, int flags, mode_t mode) override { return ::open(path, flags, mode); }
  int Fchown(int fd, uid_t owner, gid_t group) override { return ::fchown(fd, owner, group); }
  int Fchmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return ::write(fd, data, size);
  }
  int Fsync(int fd) override { return ::fsync(fd); }
  int Close(int fd) override { return ::close(fd); }
  int Rename(const char* from, const char* to) override { return ::rename(from, to); }
  int Unlink(const char* path) override { return ::unlink(path); }
};

// Kept by the platform context, so that Context::Reset forgets a test's calls.
struct InstalledSaveCalls : platform::Service {
  SystemSaveCalls system;
  SaveCalls* calls = nullptr;
};

}  // namespace

SaveCalls& CurrentSaveCalls() {
  InstalledSaveCalls& installed = platform::Context::Get().Use<InstalledSaveCalls>();
  return installed.calls ? *installed.calls : installed.system;
}

void InstallSaveCalls(SaveCalls* calls) {
  platform::Context::Get().Use<InstalledSaveCalls>().calls = calls;
}
