#include "ledger/record_array.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/core/large_page_pool.h"
#include "platform/core/page_hints.h"

namespace {

// From this size an array is laid on whole large pages: a load or an
// import fills it as it goes, a fault per two megabytes instead of one per
// four kilobytes.
constexpr std::size_t kOnLargePagesFrom = core::kLargePageBytes / 2;

}  // namespace

ExpenseRecord* NewUnfilledRecordArray(long long capacity) {
  constexpr long long kMaxRecords =
      static_cast<long long>(std::numeric_limits<std::size_t>::max() / sizeof(ExpenseRecord));
  if (capacity <= 0 || capacity > kMaxRecords) return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord);
  if (bytes >= kOnLargePagesFrom)
    return static_cast<ExpenseRecord*>(core::AllocateOnLargePages(bytes));
  // A smaller array shares the program's large pages when they have room,
  // its pages present before the load writes them.
  return static_cast<ExpenseRecord*>(core::AllocateBlock(bytes, core::Fill::kUnfilled));
}

ExpenseRecord* NewRecordArray(long long capacity) {
  ExpenseRecord* records = NewUnfilledRecordArray(capacity);
  if (records) std::memset(records, 0, static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord));
  return records;
}

void DeleteRecordArray(ExpenseRecord* records) { core::FreeBlock(records); }
