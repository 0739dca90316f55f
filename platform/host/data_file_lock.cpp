#include "platform/host/data_file_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/win/link_target.h"

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

// Whether the open file is the one the path names now: a holder that let
// go removed the file another had already opened.
bool StillAtPath(int fd, const std::string& path) {
  struct stat opened {
  }, named{};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A few rounds are plenty: each lost round means another holder came and
// went in between.
constexpr int kLockRounds = 100;

constexpr std::chrono::milliseconds kRetryEvery{5};

const char* Label(LockHolder holder) { return holder == LockHolder::kProgram ? "program" : "tool"; }

// ".<name>.lock" beside the file the data path leads to (links followed, a
// file not there yet included); empty, with errno's code in error, when the
// path's links cannot be followed.
std::string DataLockPath(const std::string& dataPath, int& error) {
  const std::optional<std::string> target = FollowLinks(dataPath, error);
  if (!target || target->empty()) return {};
  return DirectoryOf(*target) + "/." + BaseNameOf(*target) + ".lock";
}

}  // namespace

std::optional<InstanceLock> InstanceLock::TryAcquire(const std::string& path,
                                                     const std::string& label, int& error) {
  error = 0;
  UniqueFd fd;
  for (int round = 0; round < kLockRounds && !fd.Valid(); ++round) {
    fd = OpenLockFile(path);
    if (!fd.Valid()) {
      error = errno;
      return std::nullopt;
    }
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK) error = errno;
      return std::nullopt;
    }
    if (!StillAtPath(fd.Get(), path)) fd = UniqueFd();
  }
  if (!fd.Valid()) return std::nullopt;
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
  return InstanceLock(std::move(fd), path);
}

// Removed while still held, so that no one can lock it in between and
// believe it theirs.
InstanceLock::~InstanceLock() {
  if (fd_.Valid() && StillAtPath(fd_.Get(), path_)) ::unlink(path_.c_str());
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

std::string CanonicalDataPath(const std::string& dataPath) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(dataPath, error);
  if (error) return dataPath;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.string() : canonical.string();
}

DataFileLock DataFileLock::Acquire(const std::string& dataPath, LockHolder as,
                                   std::chrono::milliseconds wait) {
  int linkError = 0;
  const std::string path = DataLockPath(CanonicalDataPath(dataPath), linkError);
  if (path.empty()) return DataFileLock(nullptr, State::kNoPlace, std::strerror(linkError));
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    int error = 0;
    if (std::optional<InstanceLock> lock = InstanceLock::TryAcquire(path, Label(as), error))
      return DataFileLock(std::make_unique<InstanceLock>(std::move(*lock)), State::kHeld, {});
    if (error != 0)
      return DataFileLock(nullptr, State::kNoPlace, path + ": " + std::strerror(error));
    // A holder that has not yet written its label is waited for like a tool.
    if (InstanceLock::HolderLabel(path) == Label(LockHolder::kProgram))
      return DataFileLock(nullptr, State::kProgramRuns, {});
    if (std::chrono::steady_clock::now() >= deadline)
      return DataFileLock(nullptr, State::kBusy, {});
    std::this_thread::sleep_for(kRetryEvery);
  }
}

DataFileLock::DataFileLock(std::unique_ptr<InstanceLock> lock, State state, std::string why)
    : lock_(std::move(lock)), state_(state), why_(std::move(why)) {}

}  // namespace host
