#include "bench/crash_safe_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace bench {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WriteAllAndSync(const std::filesystem::path& path, std::string_view bytes) {
  const Fd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return false;
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return ::fsync(file.get()) == 0;
}

bool SyncDirectory(const std::filesystem::path& directory) {
  const Fd dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}

}  // namespace

bool WriteCrashSafe(const std::filesystem::path& target, std::string_view bytes) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return WriteAllAndSync(temporary, bytes) && std::rename(temporary.c_str(), target.c_str()) == 0 &&
         SyncDirectory(target.parent_path());
}

}  // namespace bench
