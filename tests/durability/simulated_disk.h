// A disk in memory for the write path's system calls, keeping apart what
// was only written from what was made durable (a file's bytes by fsync of
// the file, the names in a directory by fsync of the directory), so that a
// test can cut the power at any call of a save and look at what survives.
// Any call can also be made to fail with a chosen errno.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/save_calls.h"

namespace durability {

using Bytes = std::vector<unsigned char>;

// What a power cut keeps besides synced bytes and synced names.
enum class CutKeeps {
  kSyncedOnly,  // every unsynced change is lost
  kNamesToo,    // directory changes survive (an eager journal), unsynced bytes do not
};

class SimulatedDisk final : public SaveCalls {
 public:
  // A durable file, in a directory that exists.
  void PutFile(const std::string& path, const Bytes& bytes, mode_t mode = 0644);
  // A file's bytes as a reader would see them now; none when no such name.
  std::optional<Bytes> File(const std::string& path) const;
  // Every file name, as a reader would see them now.
  std::vector<std::string> Names() const;

  // The call numbered step (from 0) fails with error; the others run.
  void FailAt(int step, int error);
  // The power goes at the call numbered step: it and every later call
  // fail with EIO. The disk stays as it was until Reboot.
  void CutPowerAt(int step);
  // What the disk holds after the power came back.
  void Reboot(CutKeeps keeps);

  // The calls made so far, by name ("open", "write", "fsync" ...), in order.
  const std::vector<std::string>& Calls() const { return m_calls; }
  // Each write takes at most this many bytes, so writers must loop.
  void LimitWrites(std::size_t bytes) { m_writeLimit = bytes; }

  int Lstat(const char* path, struct stat* info) override;
  ssize_t Readlink(const char* path, char* buffer, std::size_t size) override;
  int Stat(const char* path, struct stat* info) override;
  int Open(const char* path, int flags, mode_t mode) override;
  int Fchown(int fd, uid_t owner, gid_t group) override;
  int Fchmod(int fd, mode_t mode) override;
  ssize_t Write(int fd, const void* data, std::size_t size) override;
  int Fsync(int fd) override;
  int Close(int fd) override;
  int Rename(const char* from, const char* to) override;
  int Unlink(const char* path) override;

 private:
  struct Inode {
    Bytes written;
    Bytes durable;
    mode_t mode = 0644;
  };
  struct Handle {
    int inode = -1;         // -1 for a directory
    std::string directory;  // the directory's path when inode is -1
  };

  // Counts the call; false, errno set, when it is to fail.
  bool Enter(const char* name);
  int StatOf(const std::string& path, struct stat* info) const;
  bool IsDirectory(const std::string& path) const;

  std::vector<Inode> m_inodes;
  std::map<std::string, int> m_names;         // as seen now
  std::map<std::string, int> m_durableNames;  // as after a power cut
  std::map<int, Handle> m_handles;
  int m_nextFd = 100;
  std::vector<std::string> m_calls;
  int m_failStep = -1;
  int m_failError = 0;
  int m_cutStep = -1;
  std::size_t m_writeLimit = 1 << 20;
};

}  // namespace durability
