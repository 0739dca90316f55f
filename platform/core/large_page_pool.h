// Big buffers laid side by side on 2 MB pages. Where fresh 4 KB pages come
// slowly (a virtual machine pays several microseconds for each one's first
// touch), a start that writes four screen-sized buffers would spend much of
// its time taking three hundred pages; from one large page it takes one.
// Blocks given back are handed out again, so a dialog opened twice touches
// no new memory.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace core {

// Whether a block must come zeroed, or will be written whole before it is
// read (an array a file is read into) and may hold an earlier block's bytes.
enum class Fill { kZeroed, kUnfilled };

class LargePagePool {
 public:
  // Blocks are aligned to this, enough for any row of pixels.
  static constexpr std::size_t kAlignment = 64;

  // The pool may take up to `maxPages` large pages, never given back
  // before it is destroyed.
  explicit LargePagePool(std::size_t maxPages);
  ~LargePagePool();
  LargePagePool(const LargePagePool&) = delete;
  LargePagePool& operator=(const LargePagePool&) = delete;

  // The program's pool for pixels and records. Never destroyed, so that
  // blocks held by other long-lived objects can be given back at any time.
  static LargePagePool& Shared();

  // A block of at least `bytes`, its pages present; null when no page has
  // room for it and no more may be taken.
  std::byte* Take(std::size_t bytes, Fill fill = Fill::kZeroed);

  // Gives back a block Take returned; false (and nothing done) when the
  // block is not from this pool.
  bool Give(std::byte* block);

 private:
  class Page;

  std::mutex mutex_;
  std::size_t maxPages_;
  std::vector<std::unique_ptr<Page>> pages_;
};

// A block of `bytes`: a big one (64 KB and more) from the shared pool when
// it has room, any other from the C heap; null when neither has it. Given
// back with FreeBlock.
void* AllocateBlock(std::size_t bytes, Fill fill);
void FreeBlock(void* block);

}  // namespace core
