#include "ledger/record_array.h"

#include <limits>
#include <new>

namespace {

bool Fits(long long capacity) {
  constexpr long long kMaxRecords =
      static_cast<long long>(std::numeric_limits<std::size_t>::max() / sizeof(ExpenseRecord));
  return capacity > 0 && capacity <= kMaxRecords;
}

}  // namespace

ExpenseRecord* NewUnfilledRecordArray(long long capacity) {
  return Fits(capacity) ? new (std::nothrow) ExpenseRecord[static_cast<std::size_t>(capacity)]
                        : nullptr;
}

ExpenseRecord* NewRecordArray(long long capacity) {
  return Fits(capacity) ? new (std::nothrow) ExpenseRecord[static_cast<std::size_t>(capacity)]()
                        : nullptr;
}

void DeleteRecordArray(ExpenseRecord* records) { delete[] records; }
