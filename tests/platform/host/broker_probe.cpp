// A stand-in for a running program in the broker tests: claims the window
// class for the data file given as its argument, says "ready", then waits
// for a request to come to the front and says "raised".
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>

#include "platform/host/socket_instance_broker.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::mutex mutex;
  std::condition_variable changed;
  bool raised = false;
  host::SocketInstanceBroker broker(argv[1], [&] {
    std::lock_guard lock(mutex);
    raised = true;
    changed.notify_one();
  });
  broker.Announce(L"ProbeWindow");
  std::puts("ready");
  std::fflush(stdout);
  std::unique_lock lock(mutex);
  if (!changed.wait_for(lock, std::chrono::seconds(20), [&] { return raised; })) return 1;
  std::puts("raised");
  return 0;
}
