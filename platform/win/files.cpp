#include "platform/win/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "platform/win/path_overrides.h"
#include "platform/core/utf8.h"

namespace {

PathOverrides& Overrides() { return platform::Context::Get().Use<PathOverrides>(); }

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool WriteAll(int fd, const unsigned char* bytes, size_t size) {
  while (size > 0) {
    ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// A fresh file beside the target, created exclusively so that no other
// file is ever reused; its mode follows the umask like any new file.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  static std::atomic<unsigned> s_serial{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(s_serial++);
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncDirectory(const std::string& directory) {
  int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteAndSync(int fd, std::span<const FileChunk> chunks) {
  bool ok = true;
  for (const FileChunk& chunk : chunks) {
    ok = ok && WriteAll(fd, static_cast<const unsigned char*>(chunk.data), chunk.size);
  }
  ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

}  // namespace

void SetPathOverride(LPCWSTR devicePath, const std::string& hostPath) {
  if (devicePath) Overrides().Set(devicePath, hostPath);
}

std::string HostPathFromDevice(LPCWSTR devicePath) {
  if (!devicePath) return {};
  if (auto redirected = Overrides().Find(devicePath)) return *redirected;
  std::optional<std::string> utf8 = platform::Utf8FromWide(devicePath);
  if (!utf8) return {};
  std::replace(utf8->begin(), utf8->end(), '\\', '/');
  return *utf8;
}

FILE* _wfopen(const wchar_t* path, const wchar_t* mode) {
  std::string hostPath = HostPathFromDevice(path);
  std::optional<std::string> narrowMode = mode ? platform::Utf8FromWide(mode) : std::nullopt;
  if (hostPath.empty() || !narrowMode) return nullptr;
  return std::fopen(hostPath.c_str(), narrowMode->c_str());
}

bool WriteWholeFile(LPCWSTR path, const void* data, std::size_t size) {
  const FileChunk whole{data, size};
  return WriteWholeFile(path, std::span<const FileChunk>(&whole, 1));
}

bool WriteWholeFile(LPCWSTR path, std::span<const FileChunk> chunks) {
  std::string target = HostPathFromDevice(path);
  if (target.empty()) return false;
  std::string tempPath;
  int fd = CreateTemporary(target, tempPath);
  if (fd < 0) return false;
  if (!WriteAndSync(fd, chunks) || ::rename(tempPath.c_str(), target.c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return false;
  }
  // The new file is in place whatever the directory sync says; a failed
  // sync only leaves the rename less certain to survive a power cut.
  SyncDirectory(DirectoryOf(target));
  return true;
}
