// The single-instance rule across processes, kept per data file: a lock
// file says a process runs with that data file, and a socket beside it
// takes requests to come to the front. Both live in the user's runtime
// directory ($XDG_RUNTIME_DIR, else /tmp/roadtally-<uid>), named by a hash
// of the data file's canonical path and the window class.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/instance_lock.h"
#include "platform/host/raise_channel.h"
#include "platform/win/host_port.h"

namespace host {

class SocketInstanceBroker final : public InstanceBroker {
 public:
  // `dataPath` is the host path of the data file (it need not exist yet).
  // `onRaise` runs on a listener thread whenever a later process asks this
  // one to come to the front.
  SocketInstanceBroker(const std::string& dataPath, std::function<void()> onRaise);

  bool IsRunningElsewhere(std::wstring_view className) override;
  void RaiseElsewhere(std::wstring_view className) override;
  void Announce(std::wstring_view className) override;

 private:
  struct Claim {
    std::wstring className;
    InstanceLock lock;
    std::unique_ptr<RaiseListener> listener;  // destroyed before the lock guarding its socket
  };

  bool ClaimedHere(std::wstring_view className) const;
  std::string PathFor(std::wstring_view className, const char* suffix) const;

  std::string dataPath_;
  std::optional<std::string> directory_;  // none if no safe directory exists
  std::function<void()> onRaise_;
  std::vector<Claim> claims_;
};

}  // namespace host
