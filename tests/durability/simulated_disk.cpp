#include "tests/durability/simulated_disk.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/win/link_target.h"

namespace durability {

void SimulatedDisk::PutFile(const std::string& path, const Bytes& bytes, mode_t mode) {
  m_inodes.push_back({bytes, bytes, mode});
  m_names[path] = m_durableNames[path] = static_cast<int>(m_inodes.size()) - 1;
}

std::optional<Bytes> SimulatedDisk::File(const std::string& path) const {
  const auto found = m_names.find(path);
  if (found == m_names.end()) return std::nullopt;
  return m_inodes[static_cast<size_t>(found->second)].written;
}

std::vector<std::string> SimulatedDisk::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, inode] : m_names) names.push_back(name);
  return names;
}

void SimulatedDisk::FailAt(int step, int error) {
  m_failStep = step;
  m_failError = error;
}

void SimulatedDisk::CutPowerAt(int step) { m_cutStep = step; }

void SimulatedDisk::Reboot(CutKeeps keeps) {
  if (keeps == CutKeeps::kSyncedOnly) m_names = m_durableNames;
  m_durableNames = m_names;
  for (Inode& inode : m_inodes) inode.written = inode.durable;
  m_handles.clear();
  m_cutStep = -1;
}

bool SimulatedDisk::Enter(const char* name) {
  const int step = static_cast<int>(m_calls.size());
  m_calls.emplace_back(name);
  if (m_cutStep >= 0 && step >= m_cutStep) {
    errno = EIO;
    return false;
  }
  if (step == m_failStep) {
    errno = m_failError;
    return false;
  }
  return true;
}

bool SimulatedDisk::IsDirectory(const std::string& path) const {
  return std::any_of(m_names.begin(), m_names.end(),
                     [&](const auto& entry) { return DirectoryOf(entry.first) == path; });
}

int SimulatedDisk::StatOf(const std::string& path, struct stat* info) const {
  *info = {};
  if (IsDirectory(path)) {
    info->st_mode = S_IFDIR | 0755;
    return 0;
  }
  const auto found = m_names.find(path);
  if (found == m_names.end()) {
    errno = IsDirectory(DirectoryOf(path)) ? ENOENT : ENOTDIR;
    return -1;
  }
  const Inode& inode = m_inodes[static_cast<size_t>(found->second)];
  info->st_mode = S_IFREG | inode.mode;
  info->st_size = static_cast<off_t>(inode.written.size());
  info->st_uid = ::getuid();
  info->st_gid = ::getgid();
  return 0;
}

int SimulatedDisk::Lstat(const char* path, struct stat* info) {
  return Enter("lstat") ? StatOf(path, info) : -1;
}

ssize_t SimulatedDisk::Readlink(const char* path, char* buffer, std::size_t size) {
  if (!Enter("readlink")) return -1;
  errno = EINVAL;  // this disk holds no links
  return -1;
}

int SimulatedDisk::Stat(const char* path, struct stat* info) {
  return Enter("stat") ? StatOf(path, info) : -1;
}

int SimulatedDisk::Open(const char* path, int flags, mode_t mode) {
  if (!Enter((flags & O_DIRECTORY) ? "open directory" : "open")) return -1;
  const std::string name = path;
  Handle handle;
  if (flags & O_DIRECTORY) {
    if (!IsDirectory(name)) {
      errno = ENOENT;
      return -1;
    }
    handle.directory = name;
  } else {
    const bool exists = m_names.count(name) > 0;
    if (!IsDirectory(DirectoryOf(name)) || (!exists && !(flags & O_CREAT))) {
      errno = ENOENT;
      return -1;
    }
    if (exists && (flags & O_EXCL)) {
      errno = EEXIST;
      return -1;
    }
    if (!exists) {
      m_inodes.push_back({{}, {}, static_cast<mode_t>(mode & 0755)});
      m_names[name] = static_cast<int>(m_inodes.size()) - 1;
    }
    handle.inode = m_names[name];
  }
  m_handles[m_nextFd] = handle;
  return m_nextFd++;
}

int SimulatedDisk::Fchown(int fd, uid_t owner, gid_t group) {
  if (!Enter("fchown")) return -1;
  if (m_handles.count(fd)) return 0;
  errno = EBADF;
  return -1;
}

int SimulatedDisk::Fchmod(int fd, mode_t mode) {
  if (!Enter("fchmod")) return -1;
  const auto handle = m_handles.find(fd);
  if (handle == m_handles.end() || handle->second.inode < 0) {
    errno = EBADF;
    return -1;
  }
  m_inodes[static_cast<size_t>(handle->second.inode)].mode = mode;
  return 0;
}

ssize_t SimulatedDisk::Write(int fd, const void* data, std::size_t size) {
  if (!Enter("write")) return -1;
  const auto handle = m_handles.find(fd);
  if (handle == m_handles.end() || handle->second.inode < 0) {
    errno = EBADF;
    return -1;
  }
  const auto* bytes = static_cast<const unsigned char*>(data);
  const std::size_t taken = std::min(size, m_writeLimit);
  Bytes& file = m_inodes[static_cast<size_t>(handle->second.inode)].written;
  file.insert(file.end(), bytes, bytes + taken);
  return static_cast<ssize_t>(taken);
}

int SimulatedDisk::Fsync(int fd) {
  if (!Enter("fsync")) return -1;
  const auto handle = m_handles.find(fd);
  if (handle == m_handles.end()) {
    errno = EBADF;
    return -1;
  }
  if (handle->second.inode >= 0) {
    Inode& inode = m_inodes[static_cast<size_t>(handle->second.inode)];
    inode.durable = inode.written;
    return 0;
  }
  const std::string& directory = handle->second.directory;
  std::erase_if(m_durableNames,
                [&](const auto& entry) { return DirectoryOf(entry.first) == directory; });
  for (const auto& [name, inode] : m_names)
    if (DirectoryOf(name) == directory) m_durableNames[name] = inode;
  return 0;
}

int SimulatedDisk::Close(int fd) {
  // A close that fails has still released the descriptor.
  const bool entered = Enter("close");
  if (m_handles.erase(fd) == 0 && entered) {
    errno = EBADF;
    return -1;
  }
  return entered ? 0 : -1;
}

int SimulatedDisk::Rename(const char* from, const char* to) {
  if (!Enter("rename")) return -1;
  const auto found = m_names.find(from);
  if (found == m_names.end()) {
    errno = ENOENT;
    return -1;
  }
  const int inode = found->second;
  m_names.erase(found);
  m_names[to] = inode;
  return 0;
}

int SimulatedDisk::Unlink(const char* path) {
  if (!Enter("unlink")) return -1;
  if (m_names.erase(path) > 0) return 0;
  errno = ENOENT;
  return -1;
}

}  // namespace durability
