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

namespace host {

class InstanceLock;

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

  DataFileLock(DataFileLock&&) noexcept;
  DataFileLock& operator=(DataFileLock&&) noexcept;
  ~DataFileLock();

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
