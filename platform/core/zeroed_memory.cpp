#include "platform/core/zeroed_memory.h"

#include <new>
#include <utility>

#include "platform/core/large_page_pool.h"

namespace core {

ZeroedMemory::ZeroedMemory(std::size_t bytes)
    : data_(static_cast<std::byte*>(AllocateBlock(bytes, Fill::kZeroed))), size_(bytes) {
  if (!data_) throw std::bad_alloc();
}

ZeroedMemory::~ZeroedMemory() { FreeBlock(data_); }

ZeroedMemory::ZeroedMemory(ZeroedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedMemory& ZeroedMemory::operator=(ZeroedMemory&& other) noexcept {
  if (this != &other) {
    FreeBlock(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

}  // namespace core
