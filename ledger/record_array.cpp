#include "ledger/record_array.h"

#include <cstring>
#include <limits>
#include <new>

ExpenseRecord* NewUnfilledRecordArray(long long capacity) {
  constexpr long long kMaxRecords =
      static_cast<long long>(std::numeric_limits<std::size_t>::max() / sizeof(ExpenseRecord));
  if (capacity <= 0 || capacity > kMaxRecords) return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord);
  return static_cast<ExpenseRecord*>(::operator new(bytes, std::nothrow));
}

ExpenseRecord* NewRecordArray(long long capacity) {
  ExpenseRecord* records = NewUnfilledRecordArray(capacity);
  if (records) std::memset(records, 0, static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord));
  return records;
}

void DeleteRecordArray(ExpenseRecord* records) {
  if (records) ::operator delete(records);
}
