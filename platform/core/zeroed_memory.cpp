#include "platform/core/zeroed_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace core {

namespace {

// From this size a block is mapped with its pages present at once: one
// request instead of a fault for each page at first write, which a
// virtual machine makes slow (a start draws into four screen-sized ones).
constexpr std::size_t kMappedFrom = std::size_t{64} << 10;

std::byte* Obtain(std::size_t bytes) {
  if (bytes < kMappedFrom) return static_cast<std::byte*>(std::calloc(bytes == 0 ? 1 : bytes, 1));
  void* mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  return mapped == MAP_FAILED ? nullptr : static_cast<std::byte*>(mapped);
}

void Release(std::byte* data, std::size_t bytes) {
  if (!data) return;
  if (bytes < kMappedFrom) {
    std::free(data);
  } else {
    ::munmap(data, bytes);
  }
}

}  // namespace

ZeroedMemory::ZeroedMemory(std::size_t bytes) : data_(Obtain(bytes)), size_(bytes) {
  if (!data_) throw std::bad_alloc();
}

ZeroedMemory::~ZeroedMemory() { Release(data_, size_); }

ZeroedMemory::ZeroedMemory(ZeroedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedMemory& ZeroedMemory::operator=(ZeroedMemory&& other) noexcept {
  if (this != &other) {
    Release(data_, size_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

}  // namespace core
