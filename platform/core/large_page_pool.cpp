#include "platform/core/large_page_pool.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>

#include "platform/core/page_hints.h"

namespace core {

// One large page: the blocks handed out and the free gaps between them,
// both by offset. Below `untouched_` a gap may hold an earlier block's
// bytes; above it the page was never handed out and is still zero.
class LargePagePool::Page {
  struct Unmap {
    void operator()(std::byte* base) const { ::munmap(base, kLargePageBytes); }
  };
  using Memory = std::unique_ptr<std::byte, Unmap>;

 public:
  static std::unique_ptr<Page> Allocate() {
    Memory memory = MapAlignedPage();
    return memory ? std::make_unique<Page>(std::move(memory)) : nullptr;
  }

  explicit Page(Memory memory) : memory_(std::move(memory)), base_(memory_.get()) {
    free_.emplace(0, kLargePageBytes);
  }

  // Compared as addresses: the block may come from anywhere.
  bool Holds(const std::byte* block) const {
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    const auto base = reinterpret_cast<std::uintptr_t>(base_);
    return address >= base && address - base < kLargePageBytes;
  }

  std::byte* Take(std::size_t bytes, Fill fill) {
    auto gap = std::find_if(free_.begin(), free_.end(),
                            [bytes](const auto& g) { return g.second >= bytes; });
    if (gap == free_.end()) return nullptr;
    const auto [offset, length] = *gap;
    free_.erase(gap);
    if (length > bytes) free_.emplace(offset + bytes, length - bytes);
    taken_.emplace(offset, bytes);
    std::byte* block = base_ + offset;
    if (fill == Fill::kZeroed && offset < untouched_)
      std::memset(block, 0, std::min(bytes, untouched_ - offset));
    if (offset + bytes > untouched_) {
      const std::size_t fresh = std::max(offset, untouched_);
      MakePagesPresent(base_ + fresh, offset + bytes - fresh);
      untouched_ = offset + bytes;
    }
    return block;
  }

  void Give(std::byte* block) {
    auto taken = taken_.find(static_cast<std::size_t>(block - base_));
    if (taken == taken_.end()) return;
    auto [offset, length] = *taken;
    taken_.erase(taken);
    auto next = free_.lower_bound(offset);
    if (next != free_.end() && next->first == offset + length) {
      length += next->second;
      next = free_.erase(next);
    }
    if (next != free_.begin()) {
      auto previous = std::prev(next);
      if (previous->first + previous->second == offset) {
        previous->second += length;
        return;
      }
    }
    free_.emplace(offset, length);
  }

 private:
  // A fresh mapping (so zero throughout) on a large-page boundary: twice
  // the size mapped, the ends outside the aligned page given back.
  static Memory MapAlignedPage() {
    void* mapped = ::mmap(nullptr, 2 * kLargePageBytes, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    auto* start = static_cast<std::byte*>(mapped);
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    const std::size_t head = (kLargePageBytes - address % kLargePageBytes) % kLargePageBytes;
    if (head > 0) ::munmap(start, head);
    ::munmap(start + head + kLargePageBytes, kLargePageBytes - head);
    PreferLargePages(start + head, kLargePageBytes);
    return Memory(start + head);
  }

  Memory memory_;
  std::byte* base_;
  std::map<std::size_t, std::size_t> free_;   // offset -> length, never adjacent
  std::map<std::size_t, std::size_t> taken_;  // offset -> length
  std::size_t untouched_ = 0;
};

LargePagePool::LargePagePool(std::size_t maxPages) : maxPages_(maxPages) {}

LargePagePool::~LargePagePool() = default;

namespace {

// Six screens of 320 x 240 pixels fit on one page; four pages hold any
// stack of dialogs the program opens, with its ledger. The address
// sanitizer watches each heap block's bounds; blocks side by side on a
// shared page would hide an overrun from it, so under it the pool takes
// no page and every block comes from the heap.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kSharedPages = 0;
#else
constexpr std::size_t kSharedPages = 4;
#endif

}  // namespace

LargePagePool& LargePagePool::Shared() {
  // Built in place, never destroyed and never on the heap (a module
  // unloaded would leave it there as a leak).
  alignas(LargePagePool) static std::byte storage[sizeof(LargePagePool)];
  static LargePagePool* const pool =
      std::construct_at(reinterpret_cast<LargePagePool*>(storage), kSharedPages);
  return *pool;
}

std::byte* LargePagePool::Take(std::size_t bytes, Fill fill) {
  const std::size_t rounded = (bytes + kAlignment - 1) / kAlignment * kAlignment;
  if (rounded == 0 || rounded < bytes || rounded > kLargePageBytes) return nullptr;
  std::lock_guard lock(mutex_);
  for (const std::unique_ptr<Page>& page : pages_)
    if (std::byte* block = page->Take(rounded, fill)) return block;
  if (pages_.size() == maxPages_) return nullptr;
  std::unique_ptr<Page> page = Page::Allocate();
  if (!page) return nullptr;
  pages_.push_back(std::move(page));
  return pages_.back()->Take(rounded, fill);
}

bool LargePagePool::Give(std::byte* block) {
  std::lock_guard lock(mutex_);
  for (const std::unique_ptr<Page>& page : pages_) {
    if (page->Holds(block)) {
      page->Give(block);
      return true;
    }
  }
  return false;
}

void* AllocateBlock(std::size_t bytes, Fill fill) {
  // Below this a block's few pages are not worth a place on a large page.
  constexpr std::size_t kPooledFrom = std::size_t{64} << 10;
  if (bytes >= kPooledFrom)
    if (std::byte* block = LargePagePool::Shared().Take(bytes, fill)) return block;
  const std::size_t size = bytes == 0 ? 1 : bytes;
  return fill == Fill::kZeroed ? std::calloc(size, 1) : std::malloc(size);
}

void FreeBlock(void* block) {
  if (!block || LargePagePool::Shared().Give(static_cast<std::byte*>(block))) return;
  std::free(block);
}

}  // namespace core
