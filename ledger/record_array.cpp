#include "ledger/record_array.h"

#include <cstring>
#include <limits>
#include <new>

ExpenseRecord* NewRecordArray(long long capacity) {
  constexpr long long kMaxRecords =
      static_cast<long long>(std::numeric_limits<std::size_t>::max() / sizeof(ExpenseRecord));
  if (capacity <= 0 || capacity > kMaxRecords) return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord);
  void* memory = ::operator new(bytes, std::nothrow);
  if (!memory) return nullptr;
  std::memset(memory, 0, bytes);
  return static_cast<ExpenseRecord*>(memory);
}

void DeleteRecordArray(ExpenseRecord* records) {
  if (records) ::operator delete(records);
}
