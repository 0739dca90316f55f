// Hints to the system about how a block of memory will be used, for large
// arrays about to be written. Both only change how fast the pages come;
// a system without the request ignores it.
#pragma once

#include <cstddef>

namespace core {

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
