// Zero-filled memory owned by one object, for pixel arrays. A large block
// is mapped from the system with every page present at once instead of
// faulted in page by page at first write: where fresh pages come slowly
// (virtual machines), that is about twice as fast, and a fresh mapping is
// zero already. Small blocks come from the heap.
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
  void Release();

  std::byte* data_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;
};

}  // namespace core
