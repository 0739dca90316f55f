#include "platform/host/lock_file_names.h"

#include <cstdint>
#include <cstdio>

#include "platform/win/link_target.h"

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

NameHash HashOf(const std::string& canonicalDataPath) {
  NameHash hash;
  for (unsigned char c : canonicalDataPath) hash.Add(c, 1);
  return hash;
}

}  // namespace

std::string DataLockPath(const std::string& dataPath, int& error) {
  const std::optional<std::string> target = FollowLinks(dataPath, error);
  if (!target || target->empty()) return {};
  return DirectoryOf(*target) + "/." + BaseNameOf(*target) + ".lock";
}

std::string RaiseSocketPath(const std::string& directory, const std::string& canonicalDataPath,
                            std::wstring_view className) {
  NameHash hash = HashOf(canonicalDataPath);
  hash.Add(0, 1);
  for (wchar_t c : className) hash.Add(static_cast<std::uint32_t>(c), 4);
  return directory + "/roadtally-" + hash.Hex() + ".sock";
}

}  // namespace host
