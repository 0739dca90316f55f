// A directory made immutable for the life of the object, so that nothing
// in it can be created, renamed or removed, not even by root. Tests that
// need an unwritable place skip when the file system cannot do this.
#pragma once

#include <filesystem>

namespace ledger_test {

class FrozenDir {
 public:
  explicit FrozenDir(const std::filesystem::path& dir);
  ~FrozenDir();
  FrozenDir(const FrozenDir&) = delete;
  FrozenDir& operator=(const FrozenDir&) = delete;
  bool frozen() const { return m_frozen; }

 private:
  bool SetImmutable(bool on);
  std::filesystem::path m_dir;
  bool m_frozen = false;
};

}  // namespace ledger_test
