// Zero-filled memory owned by one object, for pixel arrays. The pages of a
// large block are made present at once instead of faulted in one by one at
// first write: where fresh pages come slowly (virtual machines), that is
// about twice as fast. The block comes from the heap all the same, so one
// freed is reused without new pages.
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
