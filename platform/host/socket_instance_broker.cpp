#include "platform/host/socket_instance_broker.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace host {
namespace {

// 64-bit FNV-1a: short stable names, no security needed (the directory is private).
class NameHash {
 public:
  void Add(std::uint32_t unit, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      value_ ^= (unit >> (8 * i)) & 0xFF;
      value_ *= 0x100000001B3ull;
    }
  }
  std::string Hex() const {
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(value_));
    return text;
  }

 private:
  std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// "<directory>/roadtally-<hash>.sock": where the program with that data
// file and window class takes requests to come to the front; per user,
// hashed from the data file's canonical path.
std::string RaiseSocketPath(const std::string& directory, const std::string& canonicalDataPath,
                            std::wstring_view className) {
  NameHash hash;
  for (unsigned char c : canonicalDataPath) hash.Add(c, 1);
  hash.Add(0, 1);
  for (wchar_t c : className) hash.Add(static_cast<std::uint32_t>(c), 4);
  return directory + "/roadtally-" + hash.Hex() + ".sock";
}

bool IsPrivateDirectory(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::optional<std::string> RuntimeDirectory() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg && *xdg && IsPrivateDirectory(xdg)) return std::string(xdg);
  std::string fallback = "/tmp/roadtally-" + std::to_string(::getuid());
  if (::mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!IsPrivateDirectory(fallback)) return std::nullopt;
  return fallback;
}

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
