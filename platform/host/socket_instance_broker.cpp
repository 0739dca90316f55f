#include "platform/host/socket_instance_broker.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/host/runtime_directory.h"

namespace host {
namespace {

// The same file reached by different spellings gives one path.
std::string CanonicalPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.string() : canonical.string();
}

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

}  // namespace

SocketInstanceBroker::SocketInstanceBroker(const std::string& dataPath,
                                           std::function<void()> onRaise)
    : dataPath_(CanonicalPath(dataPath)),
      directory_(RuntimeDirectory()),
      onRaise_(std::move(onRaise)) {}

bool SocketInstanceBroker::IsRunningElsewhere(std::wstring_view className) {
  if (!directory_ || ClaimedHere(className)) return false;
  return InstanceLock::IsHeld(PathFor(className, ".lock"));
}

void SocketInstanceBroker::RaiseElsewhere(std::wstring_view className) {
  if (directory_) SendRaiseRequest(PathFor(className, ".sock"));
}

// A claim that fails (another process won a race for it) leaves this
// process running on its own, as it would without a broker.
void SocketInstanceBroker::Announce(std::wstring_view className) {
  if (!directory_ || ClaimedHere(className)) return;
  std::optional<InstanceLock> lock = InstanceLock::TryAcquire(PathFor(className, ".lock"));
  if (!lock) return;
  auto listener = RaiseListener::Start(PathFor(className, ".sock"), onRaise_);
  claims_.push_back(Claim{std::wstring(className), std::move(*lock), std::move(listener)});
}

bool SocketInstanceBroker::ClaimedHere(std::wstring_view className) const {
  for (const Claim& claim : claims_)
    if (claim.className == className) return true;
  return false;
}

std::string SocketInstanceBroker::PathFor(std::wstring_view className, const char* suffix) const {
  NameHash hash;
  for (unsigned char c : dataPath_) hash.Add(c, 1);
  hash.Add(0, 1);
  for (wchar_t c : className) hash.Add(static_cast<std::uint32_t>(c), 4);
  return *directory_ + "/roadtally-" + hash.Hex() + suffix;
}

}  // namespace host
