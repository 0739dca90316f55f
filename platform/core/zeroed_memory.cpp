#include "platform/core/zeroed_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace core {

namespace {

constexpr std::size_t kMappedFrom = std::size_t{64} << 10;
// From this size a block is laid on 2 MB pages where the system gives them
// (transparent huge pages on request): each first touch then brings 2 MB
// in one fault, where a virtual machine pays for every 4 KB page.
constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kLargeFrom = std::size_t{1} << 20;

// In front of every block: how it was obtained, so that it is given back
// the same way.
struct alignas(16) BlockHeader {
  void* base;          // the mapping, or the heap block
  std::size_t length;  // of the mapping; 0 for a heap block
};

void* Map(std::size_t length, int flags) {
  void* mapped =
      ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | flags, -1, 0);
  return mapped == MAP_FAILED ? nullptr : mapped;
}

std::size_t RoundedToLargePages(std::size_t n) { return (n + kLargePage - 1) & ~(kLargePage - 1); }

// Where the header goes in a mapping of `length` for `total` bytes, and the
// request for large pages.
BlockHeader* OnLargePages(void* base, std::size_t length, std::size_t total) {
  const auto at = reinterpret_cast<std::uintptr_t>(base);
  const std::uintptr_t aligned = RoundedToLargePages(at);
  const std::size_t whole = RoundedToLargePages(total);
  if (aligned + whole <= at + length)
    ::madvise(reinterpret_cast<void*>(aligned), whole, MADV_HUGEPAGE);
  return reinterpret_cast<BlockHeader*>(aligned);
}

}  // namespace

void* AllocateZeroed(std::size_t bytes) noexcept {
  const std::size_t total = bytes + sizeof(BlockHeader);
  if (total < bytes || total > (std::size_t{1} << 62)) return nullptr;
  const bool large = total >= kLargeFrom;
  // The mapping's length; 0 for a block from the heap.
  const std::size_t length = large                  ? RoundedToLargePages(total) + kLargePage
                             : total >= kMappedFrom ? total
                                                    : 0;
  void* base = length == 0 ? std::calloc(total, 1) : Map(length, large ? 0 : MAP_POPULATE);
  if (!base) return nullptr;
  auto* header = large ? OnLargePages(base, length, total) : static_cast<BlockHeader*>(base);
  *header = {base, length};
  return header + 1;
}

void FreeZeroed(void* block) noexcept {
  if (!block) return;
  const BlockHeader header = *(static_cast<BlockHeader*>(block) - 1);
  if (header.length != 0) {
    ::munmap(header.base, header.length);
  } else {
    std::free(header.base);
  }
}

ZeroedMemory::ZeroedMemory(std::size_t bytes)
    : data_(static_cast<std::byte*>(AllocateZeroed(bytes))) {
  if (!data_) throw std::bad_alloc();
}

}  // namespace core
