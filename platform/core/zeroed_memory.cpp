#include "platform/core/zeroed_memory.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "platform/core/page_hints.h"

namespace core {

namespace {

// Below this a block's few pages are not worth a system call.
constexpr std::size_t kPopulatedFrom = std::size_t{64} << 10;

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
