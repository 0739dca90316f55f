#include "platform/core/zeroed_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace core {

namespace {

// Below this the heap's recycled memory is the cheaper source.
constexpr std::size_t kMappedFrom = std::size_t{64} << 10;

}  // namespace

ZeroedMemory::ZeroedMemory(std::size_t bytes) : size_(bytes) {
  if (bytes >= kMappedFrom) {
    void* mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (mapped != MAP_FAILED) {
      data_ = static_cast<std::byte*>(mapped);
      mapped_ = true;
      return;
    }
  }
  data_ = static_cast<std::byte*>(std::calloc(bytes == 0 ? 1 : bytes, 1));
  if (!data_) throw std::bad_alloc();
}

ZeroedMemory::~ZeroedMemory() { Release(); }

ZeroedMemory::ZeroedMemory(ZeroedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, false)) {}

ZeroedMemory& ZeroedMemory::operator=(ZeroedMemory&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapped_ = std::exchange(other.mapped_, false);
  }
  return *this;
}

void ZeroedMemory::Release() {
  if (mapped_)
    ::munmap(data_, size_);
  else
    std::free(data_);
  data_ = nullptr;
}

}  // namespace core
