// Zero-filled memory for the program's big arrays (pixels, records). Where
// a virtual machine makes each fresh page's first touch slow, a block of a
// megabyte and more (a ledger's records) is laid on 2 MB pages, one of
// 64 KB and more (a screen's pixels) is mapped with its pages present in
// one request; a smaller one comes from the C heap.
#pragma once

#include <cstddef>

namespace core {

// Null when the memory cannot be had; given back with FreeZeroed.
void* AllocateZeroed(std::size_t bytes) noexcept;
void FreeZeroed(void* block) noexcept;

// Such a block owned by one object. Throws std::bad_alloc when none can be
// had, as new does.
class ZeroedMemory {
 public:
  ZeroedMemory() = default;
  explicit ZeroedMemory(std::size_t bytes);
  ~ZeroedMemory() { FreeZeroed(data_); }
  ZeroedMemory(const ZeroedMemory&) = delete;
  ZeroedMemory& operator=(const ZeroedMemory&) = delete;

  std::byte* Data() const { return data_; }

 private:
  std::byte* data_ = nullptr;
};

}  // namespace core
