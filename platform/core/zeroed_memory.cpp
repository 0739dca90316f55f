#include "platform/core/zeroed_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace core {

namespace {

// Below this a block's few pages are not worth a system call.
constexpr std::size_t kPopulatedFrom = std::size_t{64} << 10;

// The whole pages inside the block; a kernel without the request (before
// Linux 5.14) leaves them to be faulted in as before.
void MakePagesPresent(std::byte* data, std::size_t bytes) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + page - 1) & ~(page - 1);
  const std::uintptr_t end = (start + bytes) & ~(page - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

}  // namespace

ZeroedMemory::ZeroedMemory(std::size_t bytes)
    : data_(static_cast<std::byte*>(std::calloc(bytes == 0 ? 1 : bytes, 1))), size_(bytes) {
  if (!data_) throw std::bad_alloc();
  if (bytes >= kPopulatedFrom) MakePagesPresent(data_, bytes);
}

ZeroedMemory::~ZeroedMemory() { std::free(data_); }

ZeroedMemory::ZeroedMemory(ZeroedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedMemory& ZeroedMemory::operator=(ZeroedMemory&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

}  // namespace core
