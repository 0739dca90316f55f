// Hints to the system about how a block of memory will be used, for large
// arrays about to be written. The hints only change how fast pages come;
// a system without the request ignores it.
#pragma once

#include <cstddef>

namespace core {

// The large page PreferLargePages asks for (x86-64 and arm64 with 4 KB
// pages); a block laid on whole ones gets them all.
inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// Room for `bytes` on whole large pages, with PreferLargePages asked;
// given back with std::free. Null when it cannot be had. The rounding up
// costs address space only.
void* AllocateOnLargePages(std::size_t bytes);

// Every whole page inside the block made present now, in one request,
// rather than faulted in one by one at first write: where fresh pages come
// slowly (virtual machines) that is about twice as fast.
void MakePagesPresent(void* data, std::size_t bytes);

// Large pages where the block allows them, for an array that may be filled
// only in part (a reserve): each first write then brings two megabytes in
// one fault instead of four kilobytes, and what is never written is never
// taken.
void PreferLargePages(void* data, std::size_t bytes);

}  // namespace core
