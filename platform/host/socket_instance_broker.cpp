#include "platform/host/socket_instance_broker.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

#include "platform/host/unique_fd.h"

namespace host {
namespace {

constexpr std::string_view kRaiseRequest = "raise\n";
// A client that connects and then says nothing is dropped after this long.
constexpr int kRequestTimeoutMs = 500;

std::optional<sockaddr_un> SocketAddress(const std::string& path) {
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path)) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

UniqueFd NewSocket() { return UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)); }

bool ReadRequest(int client) {
  char buffer[16];
  size_t filled = 0;
  while (filled < kRaiseRequest.size()) {
    pollfd ready{client, POLLIN, 0};
    if (::poll(&ready, 1, kRequestTimeoutMs) <= 0) return false;
    ssize_t got = ::read(client, buffer + filled, sizeof(buffer) - filled);
    if (got <= 0) return false;
    filled += static_cast<size_t>(got);
  }
  return std::string_view(buffer, filled) == kRaiseRequest;
}

// Asks the process listening at `socketPath` to come to the front; false if
// none answered.
bool SendRaiseRequest(const std::string& socketPath) {
  std::optional<sockaddr_un> address = SocketAddress(socketPath);
  UniqueFd socket = NewSocket();
  if (!address || !socket.Valid()) return false;
  const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
  if (::connect(socket.Get(), raw, sizeof(*address)) != 0) return false;
  return ::send(socket.Get(), kRaiseRequest.data(), kRaiseRequest.size(), MSG_NOSIGNAL) ==
         static_cast<ssize_t>(kRaiseRequest.size());
}

// "<directory>/roadtally-<hash>.sock": where the program with that data
// file and window class takes requests to come to the front; per user,
// hashed from the data file's canonical path. 64-bit FNV-1a: short stable
// names, no security needed (the directory is private).
std::string RaiseSocketPath(const std::string& directory, const std::string& canonicalDataPath,
                            std::wstring_view className) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  const auto add = [&hash](std::uint32_t unit, int bytes) {
    for (int i = 0; i < bytes; ++i) hash = (hash ^ ((unit >> (8 * i)) & 0xFF)) * 0x100000001B3ull;
  };
  for (unsigned char c : canonicalDataPath) add(c, 1);
  add(0, 1);
  for (wchar_t c : className) add(static_cast<std::uint32_t>(c), 4);
  char hex[17];
  std::snprintf(hex, sizeof(hex), "%016llx", static_cast<unsigned long long>(hash));
  return directory + "/roadtally-" + hex + ".sock";
}

bool IsPrivateDirectory(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

// Requests to come to the front, sent from a later process to the running
// one over a Unix domain socket. The running process listens on a thread
// of its own, so the user-interface thread never blocks on it.
class RaiseListener {
 public:
  // Listens at `socketPath`, replacing a socket file left by a process that
  // died; the caller must hold the instance lock that guards the path.
  // `onRaise` runs on the listener thread once per request.
  static std::unique_ptr<RaiseListener> Start(const std::string& socketPath,
                                              std::function<void()> onRaise);

  RaiseListener(std::string socketPath, UniqueFd socket, UniqueFd stopRead, UniqueFd stopWrite,
                std::function<void()> onRaise);
  // Stops the thread and removes the socket file.
  ~RaiseListener();
  RaiseListener(const RaiseListener&) = delete;
  RaiseListener& operator=(const RaiseListener&) = delete;

 private:
  void Listen();

  std::string socketPath_;
  UniqueFd socket_;
  UniqueFd stopRead_;
  UniqueFd stopWrite_;
  std::function<void()> onRaise_;
  std::thread thread_;
};

std::unique_ptr<RaiseListener> RaiseListener::Start(const std::string& socketPath,
                                                    std::function<void()> onRaise) {
  std::optional<sockaddr_un> address = SocketAddress(socketPath);
  if (!address) return nullptr;
  UniqueFd socket = NewSocket();
  if (!socket.Valid()) return nullptr;
  ::unlink(socketPath.c_str());
  const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
  if (::bind(socket.Get(), raw, sizeof(*address)) != 0 || ::listen(socket.Get(), 8) != 0)
    return nullptr;
  int stop[2];
  if (::pipe2(stop, O_CLOEXEC) != 0) return nullptr;
  return std::make_unique<RaiseListener>(socketPath, std::move(socket), UniqueFd(stop[0]),
                                         UniqueFd(stop[1]), std::move(onRaise));
}

RaiseListener::RaiseListener(std::string socketPath, UniqueFd socket, UniqueFd stopRead,
                             UniqueFd stopWrite, std::function<void()> onRaise)
    : socketPath_(std::move(socketPath)),
      socket_(std::move(socket)),
      stopRead_(std::move(stopRead)),
      stopWrite_(std::move(stopWrite)),
      onRaise_(std::move(onRaise)),
      thread_([this] { Listen(); }) {}

RaiseListener::~RaiseListener() {
  char stop = 0;
  [[maybe_unused]] ssize_t written = ::write(stopWrite_.Get(), &stop, 1);
  thread_.join();
  ::unlink(socketPath_.c_str());
}

void RaiseListener::Listen() {
  for (;;) {
    pollfd ready[2] = {{socket_.Get(), POLLIN, 0}, {stopRead_.Get(), POLLIN, 0}};
    if (::poll(ready, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (ready[1].revents != 0) return;
    if (ready[0].revents & POLLIN) {
      UniqueFd client(::accept4(socket_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
      if (client.Valid() && ReadRequest(client.Get()) && onRaise_) onRaise_();
    }
  }
}

std::optional<std::string> RuntimeDirectory() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg && *xdg && IsPrivateDirectory(xdg)) return std::string(xdg);
  std::string fallback = "/tmp/roadtally-" + std::to_string(::getuid());
  if (::mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!IsPrivateDirectory(fallback)) return std::nullopt;
  return fallback;
}

SocketInstanceBroker::~SocketInstanceBroker() = default;

SocketInstanceBroker::SocketInstanceBroker(const std::string& dataPath,
                                           std::function<void()> onRaise)
    : dataPath_(CanonicalDataPath(dataPath)),
      directory_(RuntimeDirectory()),
      onRaise_(std::move(onRaise)),
      lock_(DataFileLock::Acquire(dataPath_, LockHolder::kProgram, kToolWait)) {}

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
  return std::any_of(claims_.begin(), claims_.end(),
                     [className](const Claim& claim) { return claim.className == className; });
}

std::string SocketInstanceBroker::SocketFor(std::wstring_view className) const {
  return RaiseSocketPath(*directory_, dataPath_, className);
}

}  // namespace host
