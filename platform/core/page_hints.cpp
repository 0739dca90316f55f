#include "platform/core/page_hints.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace core {

namespace {

// The whole units of `unit` bytes inside the block; calls `advise` on them.
void AdviseWholeUnits(void* data, std::size_t bytes, std::uintptr_t unit, int advice) {
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + unit - 1) & ~(unit - 1);
  const std::uintptr_t end = (start + bytes) & ~(unit - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, advice);
}

constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;

}  // namespace

void MakePagesPresent(void* data, std::size_t bytes) {
  AdviseWholeUnits(data, bytes, static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)),
                   MADV_POPULATE_WRITE);
}

void PreferLargePages(void* data, std::size_t bytes) {
  AdviseWholeUnits(data, bytes, kLargePage, MADV_HUGEPAGE);
}

}  // namespace core
