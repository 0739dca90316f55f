// Requests to come to the front, sent from a later process to the running
// one over a Unix domain socket. The running process listens on a thread
// of its own, so the user-interface thread never blocks on it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/host/unique_fd.h"

namespace host {

class RaiseListener {
 public:
  // Listens at `socketPath`, replacing a socket file left by a process that
  // died; the caller must hold the instance lock that guards the path.
  // `onRaise` runs on the listener thread once per request.
  static std::unique_ptr<RaiseListener> Start(const std::string& socketPath,
                                              std::function<void()> onRaise);

  // Stops the thread and removes the socket file.
  ~RaiseListener();

  RaiseListener(const RaiseListener&) = delete;
  RaiseListener& operator=(const RaiseListener&) = delete;

 private:
  // Only Start makes one.
  struct StartKey {
    explicit StartKey() = default;
  };

 public:
  RaiseListener(StartKey, std::string socketPath, UniqueFd socket, UniqueFd stopRead,
                UniqueFd stopWrite, std::function<void()> onRaise);

 private:
  void Listen();
  void Serve(int client);

  std::string socketPath_;
  UniqueFd socket_;
  UniqueFd stopRead_;
  UniqueFd stopWrite_;
  std::function<void()> onRaise_;
  std::thread thread_;
};

// Asks the process listening at `socketPath` to come to the front; false if
// none answered.
bool SendRaiseRequest(const std::string& socketPath);

}  // namespace host
