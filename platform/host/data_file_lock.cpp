#include "platform/host/data_file_lock.h"

#include <filesystem>
#include <system_error>
#include <thread>

#include <cstring>

#include "platform/host/instance_lock.h"
#include "platform/win/link_target.h"

namespace host {
namespace {

constexpr std::chrono::milliseconds kRetryEvery{5};

const char* Label(LockHolder holder) { return holder == LockHolder::kProgram ? "program" : "tool"; }

// ".<name>.lock" in the directory of the file the data path leads to
// (symbolic links followed, a file not there yet included). The directory
// decides, not the environment: every writer, whatever its user, session,
// working directory or path to the file, meets at this one file. Empty,
// with errno's code in error, when the path's links cannot be followed.
std::string DataLockPath(const std::string& dataPath, int& error) {
  const std::optional<std::string> target = FollowLinks(dataPath, error);
  if (!target || target->empty()) return {};
  return DirectoryOf(*target) + "/." + BaseNameOf(*target) + ".lock";
}

}  // namespace

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
DataFileLock::DataFileLock(DataFileLock&&) noexcept = default;
DataFileLock& DataFileLock::operator=(DataFileLock&&) noexcept = default;
DataFileLock::~DataFileLock() = default;

}  // namespace host
