#include "platform/host/socket_instance_broker.h"

#include "platform/host/lock_file_names.h"
#include "platform/host/runtime_directory.h"

namespace host {

SocketInstanceBroker::SocketInstanceBroker(const std::string& dataPath,
                                           std::function<void()> onRaise)
    : dataPath_(CanonicalDataPath(dataPath)),
      directory_(RuntimeDirectory()),
      onRaise_(std::move(onRaise)),
      lock_(DataFileLock::Acquire(dataPath_, LockHolder::kProgram, kToolWait)) {}

bool SocketInstanceBroker::IsRunningElsewhere(std::wstring_view) {
  return lock_.state() == DataFileLock::State::kProgramRuns;
}

void SocketInstanceBroker::RaiseElsewhere(std::wstring_view className) {
  if (!directory_) return;
  SendRaiseRequest(SocketFor(className));
  raisedElsewhere_ = true;
}

// Without the lock (no safe directory, or the tool kept it) the process
// runs on its own, as it would without a broker. With nothing to bring to
// the front (no window) there is nothing to listen for: the lock alone
// keeps a second start out, and no listener thread is started.
void SocketInstanceBroker::Announce(std::wstring_view className) {
  if (!directory_ || !lock_.Held() || !onRaise_ || ClaimedHere(className)) return;
  auto listener = RaiseListener::Start(SocketFor(className), onRaise_);
  claims_.push_back(Claim{std::wstring(className), std::move(listener)});
}

bool SocketInstanceBroker::ClaimedHere(std::wstring_view className) const {
  for (const Claim& claim : claims_)
    if (claim.className == className) return true;
  return false;
}

std::string SocketInstanceBroker::SocketFor(std::wstring_view className) const {
  return RaiseSocketPath(*directory_, dataPath_, className);
}

}  // namespace host
