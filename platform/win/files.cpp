#include "platform/win/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/core/context.h"
#include "platform/core/utf8.h"
#include "platform/win/link_target.h"
#include "platform/win/save_calls.h"

namespace {

// The device paths redirected to other host files, kept in the platform
// context so that tests can start afresh with Context::Reset.
struct PathOverrides : platform::Service {
  std::map<std::wstring, std::string> table;
  std::wstring programDataFile;  // as the launcher bound it
};

PathOverrides& Overrides() { return platform::Context::Get().Use<PathOverrides>(); }

SaveCalls& Calls() { return CurrentSaveCalls(); }

// WriteWholeFile's temporaries, "<name>.tmp-<pid>-<serial>" beside the file.
constexpr char kMarker[] = ".tmp-";

// Digits from `from` up to `to`, at least one.
bool DigitsOnly(const std::string& text, size_t from, size_t to) {
  if (from >= to) return false;
  for (size_t i = from; i < to; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

std::string TemporaryNameFor(const std::string& target, long pid, unsigned serial) {
  return target + kMarker + std::to_string(pid) + "-" + std::to_string(serial);
}

// Whether entry names a temporary of the file named baseName (both without
// directory): exactly the pattern, digits where the numbers go.
bool IsTemporaryNameOf(const std::string& entry, const std::string& baseName) {
  const std::string prefix = baseName + kMarker;
  if (entry.compare(0, prefix.size(), prefix) != 0) return false;
  const size_t dash = entry.find('-', prefix.size());
  return dash != std::string::npos && DigitsOnly(entry, prefix.size(), dash) &&
         DigitsOnly(entry, dash + 1, entry.size());
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsRegularNotLink(int dirFd, const char* name) {
  struct stat info {};
  return ::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

bool WriteAll(int fd, const unsigned char* bytes, size_t size) {
  while (size > 0) {
    ssize_t written = Calls().Write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// A fresh file beside the target, created exclusively so that no other
// file is ever reused; its mode follows the umask until KeepAttributes.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  static std::atomic<unsigned> s_serial{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = TemporaryNameFor(target, ::getpid(), s_serial++);
    int fd = Calls().Open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncDirectory(const std::string& directory) {
  int fd = Calls().Open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return;
  Calls().Fsync(fd);
  Calls().Close(fd);
}

// The file being replaced: none yet (fine), a regular file its owner may
// write (its mode and owner go to the new one), or something no data file
// may replace; errno says which.
bool ReplaceableFile(const std::string& target, std::optional<struct stat>& existing) {
  struct stat info {};
  if (Calls().Stat(target.c_str(), &info) != 0) return errno == ENOENT;
  if (!S_ISREG(info.st_mode)) {
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  // The rename would replace it whatever its mode: the owner's word is kept
  // here, for root too.
  if ((info.st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return false;
  }
  existing = info;
  return true;
}

// Owner and group only where allowed: a user may give a file only its own
// owner, and only a group it belongs to.
bool KeepAttributes(int fd, const struct stat& old) {
  if (Calls().Fchown(fd, old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] int groupOnly = Calls().Fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  return Calls().Fchmod(fd, old.st_mode & 07777) == 0;
}

// Closes fd; on failure errno is the first failure's.
bool WriteAndSync(int fd, std::span<const FileChunk> chunks) {
  bool ok = true;
  for (const FileChunk& chunk : chunks) {
    ok = ok && WriteAll(fd, static_cast<const unsigned char*>(chunk.data), chunk.size);
  }
  ok = ok && Calls().Fsync(fd) == 0;
  const int failure = errno;
  const bool closed = Calls().Close(fd) == 0;
  if (!ok) errno = failure;
  return closed && ok;
}

// WriteWholeFile's work; false with errno saying why.
bool ReplaceWholeFile(const std::string& hostPath, std::span<const FileChunk> chunks) {
  int linkError = 0;
  const std::optional<std::string> followed = FollowLinks(hostPath, linkError);
  if (!followed || followed->empty()) {
    errno = linkError != 0 ? linkError : ENOENT;
    return false;
  }
  const std::string& target = *followed;
  std::optional<struct stat> existing;
  if (!ReplaceableFile(target, existing)) return false;
  std::string tempPath;
  int fd = CreateTemporary(target, tempPath);
  if (fd < 0) return false;
  const bool attributesKept = !existing || KeepAttributes(fd, *existing);
  const int attributeFailure = errno;
  const bool written = attributesKept && WriteAndSync(fd, chunks);  // closes fd
  if (!attributesKept) {
    Calls().Close(fd);
    errno = attributeFailure;
  }
  if (!written || Calls().Rename(tempPath.c_str(), target.c_str()) != 0) {
    const int failure = errno;
    Calls().Unlink(tempPath.c_str());
    errno = failure;
    return false;
  }
  // The new file is in place whatever the directory sync says; a failed
  // sync only leaves the rename less certain to survive a power cut.
  SyncDirectory(DirectoryOf(target));
  return true;
}

}  // namespace

void SetPathOverride(LPCWSTR devicePath, const std::string& hostPath) {
  if (!devicePath) return;
  if (hostPath.empty()) {
    Overrides().table.erase(devicePath);
  } else {
    Overrides().table[devicePath] = hostPath;
  }
}

void SetProgramDataFile(LPCWSTR devicePath, const std::string& hostPath) {
  SetPathOverride(devicePath, hostPath);
  Overrides().programDataFile = devicePath ? devicePath : L"";
}

std::wstring ProgramDataFile() { return Overrides().programDataFile; }

std::string HostPathFromDevice(LPCWSTR devicePath) {
  if (!devicePath) return {};
  const auto& table = Overrides().table;
  if (auto redirected = table.find(devicePath); redirected != table.end())
    return redirected->second;
  std::optional<std::string> utf8 = platform::Utf8FromWide(devicePath);
  if (!utf8) return {};
  std::replace(utf8->begin(), utf8->end(), '\\', '/');
  return *utf8;
}

std::filesystem::path ExecutablePath() {
  std::error_code error;
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : executable;
}

std::wstring ModulePath() {
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) return {};
  const std::u8string utf8 = executable.u8string();
  const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
  std::optional<std::wstring> wide = platform::WideFromUtf8(bytes);
  if (!wide) return {};
  std::replace(wide->begin(), wide->end(), L'/', L'\\');
  return *wide;
}

FILE* OpenRegularFileForReading(LPCWSTR path, FileError& error) {
  const std::string hostPath = HostPathFromDevice(path);
  if (hostPath.empty()) {
    error = {false, "no such path on this system"};
    return nullptr;
  }
  // Non-blocking, so that opening a FIFO returns at once instead of waiting
  // for a writer; it is refused before anything is read from it.
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = {errno == ENOENT, std::strerror(errno)};
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    error = {false, kNotARegularFile};
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    error = {false, std::strerror(errno)};
    ::close(fd);
  }
  return file;
}

bool WriteWholeFile(LPCWSTR path, std::span<const FileChunk> chunks, std::string* why) {
  const bool written = ReplaceWholeFile(HostPathFromDevice(path), chunks);
  if (!written && why) *why = std::strerror(errno);
  return written;
}

void RemoveLeftoverTemporaries(LPCWSTR path) {
  int error = 0;
  const std::optional<std::string> target = FollowLinks(HostPathFromDevice(path), error);
  if (!target || target->empty()) return;
  std::unique_ptr<DIR, DirCloser> dir(::opendir(DirectoryOf(*target).c_str()));
  if (!dir) return;
  const std::string baseName = BaseNameOf(*target);
  const int dirFd = ::dirfd(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    if (IsTemporaryNameOf(entry->d_name, baseName) && IsRegularNotLink(dirFd, entry->d_name))
      ::unlinkat(dirFd, entry->d_name, 0);
  }
}
