// One writer per data file. The running program and every writing command
// of the ledger tool hold one lock, a file beside the data file
// (".<name>.lock"), so that writers in any environment meet at it; it
// also tells a second start of the program that the first still runs.
// Readers take no lock: a save replaces the file whole.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/host/unique_fd.h"

namespace host {

// An exclusive advisory lock on a file (flock), held for as long as the
// object lives. The kernel drops it when its process dies, so a lock file
// left behind by a crash never counts as held. The holder removes the file
// when it lets go, so that lock files do not pile up beside data files;
// whoever locks checks that the file it locked is still the one at the
// path, so a file removed in between is never taken for the lock.
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

  InstanceLock(InstanceLock&& other) noexcept = default;
  ~InstanceLock();

 private:
  InstanceLock(UniqueFd fd, std::string path) : fd_(std::move(fd)), path_(std::move(path)) {}
  UniqueFd fd_;
  std::string path_;
};

enum class LockHolder { kProgram, kTool };

class DataFileLock {
 public:
  enum class State {
    kHeld,         // this object holds it
    kProgramRuns,  // the program runs on the file
    kBusy,         // a tool kept it for longer than the wait
    kNoPlace,      // the lock file cannot be made or opened: see Why
  };

  // Takes the lock of the data file at dataPath (a host path; the file need
  // not exist; links and other spellings of it share one lock). A tool that
  // holds it is waited for up to `wait`; the program is not waited for.
  static DataFileLock Acquire(const std::string& dataPath, LockHolder as,
                              std::chrono::milliseconds wait);

  State state() const { return state_; }
  bool Held() const { return state_ == State::kHeld; }
  // For kNoPlace: the lock file and the system's reason.
  const std::string& Why() const { return why_; }

 private:
  DataFileLock(std::unique_ptr<InstanceLock> lock, State state, std::string why);
  std::unique_ptr<InstanceLock> lock_;
  State state_;
  std::string why_;
};

// The data file's path in one spelling: absolute, links and dots resolved.
std::string CanonicalDataPath(const std::string& dataPath);

}  // namespace host
