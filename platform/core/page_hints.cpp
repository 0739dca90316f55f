#include "platform/core/page_hints.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace core {

namespace {

// The whole units of `unit` bytes inside the block; calls `advise` on them.
void AdviseWholeUnits(void* data, std::size_t bytes, std::uintptr_t unit, int advice) {
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + unit - 1) & ~(unit - 1);
  const std::uintptr_t end = (start + bytes) & ~(unit - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, advice);
}

}  // namespace

void MakePagesPresent(void* data, std::size_t bytes) {
  AdviseWholeUnits(data, bytes, static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)),
                   MADV_POPULATE_WRITE);
}

void PreferLargePages(void* data, std::size_t bytes) {
  AdviseWholeUnits(data, bytes, kLargePageBytes, MADV_HUGEPAGE);
}

void* AllocateOnLargePages(std::size_t bytes) {
  const std::size_t rounded = (bytes + kLargePageBytes - 1) / kLargePageBytes * kLargePageBytes;
  void* block = nullptr;
  if (rounded < bytes || ::posix_memalign(&block, kLargePageBytes, rounded) != 0) return nullptr;
  PreferLargePages(block, rounded);
  return block;
}

}  // namespace core
