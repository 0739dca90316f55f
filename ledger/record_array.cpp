#include "ledger/record_array.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/core/page_hints.h"

namespace {

// From this size an array is laid on whole large pages: a load or an
// import fills it as it goes, a fault per two megabytes instead of one per
// four kilobytes.
constexpr std::size_t kOnLargePagesFrom = core::kLargePageBytes / 2;
// Below that, from this size, the pages are made present at once: a load
// fills the whole array.
constexpr std::size_t kPresentFrom = std::size_t{64} << 10;

}  // namespace

ExpenseRecord* NewUnfilledRecordArray(long long capacity) {
  constexpr long long kMaxRecords =
      static_cast<long long>(std::numeric_limits<std::size_t>::max() / sizeof(ExpenseRecord));
  if (capacity <= 0 || capacity > kMaxRecords) return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord);
  if (bytes >= kOnLargePagesFrom)
    return static_cast<ExpenseRecord*>(core::AllocateOnLargePages(bytes));
  void* block = std::malloc(bytes);
  if (block && bytes >= kPresentFrom) core::MakePagesPresent(block, bytes);
  return static_cast<ExpenseRecord*>(block);
}

ExpenseRecord* NewRecordArray(long long capacity) {
  ExpenseRecord* records = NewUnfilledRecordArray(capacity);
  if (records) std::memset(records, 0, static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord));
  return records;
}

void DeleteRecordArray(ExpenseRecord* records) { std::free(records); }
