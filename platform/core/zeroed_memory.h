// Zero-filled memory owned by one object, for pixel arrays. Throws
// std::bad_alloc when none can be had, as new does.
#pragma once

#include <cstddef>

namespace core {

class ZeroedMemory {
 public:
  ZeroedMemory() = default;
  explicit ZeroedMemory(std::size_t bytes);
  ~ZeroedMemory();
  ZeroedMemory(ZeroedMemory&& other) noexcept;
  ZeroedMemory& operator=(ZeroedMemory&& other) noexcept;
  ZeroedMemory(const ZeroedMemory&) = delete;
  ZeroedMemory& operator=(const ZeroedMemory&) = delete;

  std::byte* Data() const { return data_; }
  std::size_t Size() const { return size_; }

 private:
  std::byte* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace core
