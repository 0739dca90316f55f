// The single-instance rule across processes, kept per data file: the data
// file's one-writer lock (data_file_lock.h, beside the file), held from the
// start, says a program runs with that data file, and a socket in the
// user's runtime directory ($XDG_RUNTIME_DIR, else /tmp/roadtally-<uid>)
// takes requests to come to the front.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/data_file_lock.h"
#include "platform/win/host_port.h"

namespace host {

class RaiseListener;  // listens for requests to come to the front

// Where per-user run-time files (locks, sockets) go: $XDG_RUNTIME_DIR when
// set, else /tmp/roadtally-<uid>, created private to the user. None when the
// directory is missing and cannot be made, or is not a private directory of
// this user (someone else's or a symbolic link).
std::optional<std::string> RuntimeDirectory();

class SocketInstanceBroker final : public InstanceBroker {
 public:
  // How long a start waits for the ledger tool to finish a change.
  static constexpr std::chrono::milliseconds kToolWait{10000};

  // `dataPath` is the host path of the data file (it need not exist yet);
  // its lock is taken here, before the program reads the file. `onRaise`
  // runs on a listener thread whenever a later process asks this one to
  // come to the front.
  SocketInstanceBroker(const std::string& dataPath, std::function<void()> onRaise);
  ~SocketInstanceBroker() override;

  // Another program holds the data file, whatever its window class.
  bool IsRunningElsewhere(std::wstring_view) override {
    return lock_.state() == DataFileLock::State::kProgramRuns;
  }
  void RaiseElsewhere(std::wstring_view className) override;
  void Announce(std::wstring_view className) override;

  DataFileLock::State LockState() const { return lock_.state(); }
  // This process asked another to come to the front.
  bool RaisedElsewhere() const { return raisedElsewhere_; }
  const std::string& DataPath() const { return dataPath_; }

 private:
  struct Claim {
    std::wstring className;
    std::unique_ptr<RaiseListener> listener;
  };

  bool ClaimedHere(std::wstring_view className) const;
  std::string SocketFor(std::wstring_view className) const;

  std::string dataPath_;
  std::optional<std::string> directory_;  // none if no safe directory exists
  std::function<void()> onRaise_;
  DataFileLock lock_;
  std::vector<Claim> claims_;  // destroyed before the lock guarding their sockets
  bool raisedElsewhere_ = false;
};

}  // namespace host
