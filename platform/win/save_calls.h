// The system calls a crash-safe whole-file write makes, behind one
// interface, so that tests can run a save against a simulated disk and cut
// the power or fail the call at any step. Saves use the real calls unless
// a test installs others.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

class SaveCalls {
 public:
  virtual ~SaveCalls() = default;
  // Each as its POSIX namesake: -1 with errno set on failure.
  virtual int Lstat(const char* path, struct stat* info) = 0;
  virtual ssize_t Readlink(const char* path, char* buffer, std::size_t size) = 0;
  virtual int Stat(const char* path, struct stat* info) = 0;
  virtual int Open(const char* path, int flags, mode_t mode) = 0;
  virtual int Fchown(int fd, uid_t owner, gid_t group) = 0;
  virtual int Fchmod(int fd, mode_t mode) = 0;
  virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Close(int fd) = 0;
  virtual int Rename(const char* from, const char* to) = 0;
  virtual int Unlink(const char* path) = 0;
};

// The calls writes use now.
SaveCalls& CurrentSaveCalls();

// Installs the calls for every later write until replaced; null restores
// the real ones. The caller keeps calls alive while installed.
void InstallSaveCalls(SaveCalls* calls);
