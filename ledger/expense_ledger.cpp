#include "ledger/expense_ledger.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/core/zeroed_memory.h"

namespace {

constexpr int kGrowth = 100;

// The record arrays, never throwing; a failure (including a capacity whose
// size would overflow) is a null array. Room for capacity records, every
// byte zero.
ExpenseRecord* NewRecordArray(long long capacity) {
  constexpr long long kMaxRecords =
      static_cast<long long>(std::numeric_limits<std::size_t>::max() / sizeof(ExpenseRecord));
  if (capacity <= 0 || capacity > kMaxRecords) return nullptr;
  return static_cast<ExpenseRecord*>(
      core::AllocateZeroed(static_cast<std::size_t>(capacity) * sizeof(ExpenseRecord)));
}

void DeleteRecordArray(ExpenseRecord* records) { core::FreeZeroed(records); }

}  // namespace

CExpenseLedger* GetLedger() {
  static CExpenseLedger ledger;
  return &ledger;
}

CExpenseLedger::~CExpenseLedger() { RemoveAll(); }

bool CExpenseLedger::MakeRoom(long long more) {
  if (m_nCount + more <= m_nCapacity) return true;
  const long long grown = m_nCount + std::max<long long>(more, kGrowth);
  return grown <= std::numeric_limits<int>::max() && Reserve(static_cast<int>(grown));
}

int CExpenseLedger::Append(const ExpenseRecord& record) {
  if (!MakeRoom(1)) return 0;
  m_pRecords[m_nCount] = record;
  return ++m_nCount;
}

bool CExpenseLedger::AppendRecords(std::span<const ExpenseRecord> records) {
  if (records.empty()) return true;
  if (!MakeRoom(static_cast<long long>(records.size()))) return false;
  std::copy(records.begin(), records.end(), m_pRecords + m_nCount);
  m_nCount += static_cast<int>(records.size());
  return true;
}

bool CExpenseLedger::Reserve(int capacity) {
  if (capacity <= m_nCapacity) return true;
  ExpenseRecord* bigger = NewRecordArray(capacity);
  if (!bigger) return false;
  if (m_nCount > 0)
    std::memcpy(bigger, m_pRecords, sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount));
  DeleteRecordArray(m_pRecords);
  m_pRecords = bigger;
  m_nCapacity = capacity;
  return true;
}

void CExpenseLedger::RemoveAt(int index) {
  if (index < 0 || index >= m_nCount) return;
  --m_nCount;
  std::memmove(m_pRecords + index, m_pRecords + index + 1,
               sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount - index));
}

bool CExpenseLedger::InsertAt(int index, const ExpenseRecord& record) {
  if (index < 0 || index > m_nCount || Append(record) == 0) return false;
  std::rotate(m_pRecords + index, m_pRecords + m_nCount - 1, m_pRecords + m_nCount);
  return true;
}

int CExpenseLedger::PlaceFor(const ExpenseRecord& record) const {
  const ExpenseRecord* begin = m_pRecords;
  return static_cast<int>(std::upper_bound(begin, begin + m_nCount, record, EarlierDay) - begin);
}

// Stable, so records of one day stay in the order they were entered. A
// ledger already in order (a loaded file was saved sorted) is only looked at.
void CExpenseLedger::SortByDate() {
  ExpenseRecord* begin = m_pRecords;
  ExpenseRecord* end = begin + m_nCount;
  if (!std::is_sorted(begin, end, EarlierDay)) std::stable_sort(begin, end, EarlierDay);
}

int CExpenseLedger::FindFirstOfMonth(int year, int month) const {
  if (m_nCount == 0) return -1;
  const MonthKeyPair target{year, month};
  const ExpenseRecord* begin = m_pRecords;
  const ExpenseRecord* end = begin + m_nCount;
  const ExpenseRecord* first = std::lower_bound(
      begin, end, target,
      [](const ExpenseRecord& r, const MonthKeyPair& key) { return MonthKey(r) < key; });
  if (first == end || MonthKey(*first) != target) return -1;
  return static_cast<int>(first - begin);
}

void CExpenseLedger::RemoveAll() {
  DeleteRecordArray(m_pRecords);
  m_pRecords = nullptr;
  m_nCount = 0;
  m_nCapacity = 0;
}

bool CExpenseLedger::AddAndSave(const ExpenseRecord& record) {
  const int index = PlaceFor(record);
  if (!InsertAt(index, record)) {
    m_saveProblem = "out of memory";
    return false;
  }
  if (Save(nullptr)) return true;
  RemoveAt(index);
  return false;
}

// A record that keeps its day keeps its place among the day's records.
bool CExpenseLedger::ReplaceAndSave(int index, const ExpenseRecord& record) {
  if (index < 0 || index >= m_nCount) return false;
  const ExpenseRecord before = m_pRecords[index];
  int placed = index;
  if (!SameDay(before, record)) {
    RemoveAt(index);
    placed = PlaceFor(record);
    InsertAt(placed, record);  // into the slot just freed: cannot fail
  } else {
    m_pRecords[index] = record;
  }
  if (Save(nullptr)) return true;
  RemoveAt(placed);
  InsertAt(index, before);
  return false;
}

bool CExpenseLedger::RemoveAndSave(int index) {
  if (index < 0 || index >= m_nCount) return false;
  const ExpenseRecord removed = m_pRecords[index];
  RemoveAt(index);
  if (Save(nullptr)) return true;
  InsertAt(index, removed);  // into the slot just freed: cannot fail
  return false;
}
