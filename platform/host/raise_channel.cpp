#include "platform/host/raise_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

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

}  // namespace

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
  return std::make_unique<RaiseListener>(StartKey{}, socketPath, std::move(socket),
                                         UniqueFd(stop[0]), UniqueFd(stop[1]), std::move(onRaise));
}

RaiseListener::RaiseListener(StartKey, std::string socketPath, UniqueFd socket, UniqueFd stopRead,
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
      if (client.Valid()) Serve(client.Get());
    }
  }
}

void RaiseListener::Serve(int client) {
  if (ReadRequest(client) && onRaise_) onRaise_();
}

bool SendRaiseRequest(const std::string& socketPath) {
  std::optional<sockaddr_un> address = SocketAddress(socketPath);
  UniqueFd socket = NewSocket();
  if (!address || !socket.Valid()) return false;
  const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
  if (::connect(socket.Get(), raw, sizeof(*address)) != 0) return false;
  return ::send(socket.Get(), kRaiseRequest.data(), kRaiseRequest.size(), MSG_NOSIGNAL) ==
         static_cast<ssize_t>(kRaiseRequest.size());
}

}  // namespace host
