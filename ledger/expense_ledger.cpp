#include "ledger/expense_ledger.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <tuple>

#include "ledger/date_sort.h"
#include "ledger/record_array.h"

namespace {

constexpr int kGrowth = 100;

// Year, then month, then day: the same order as DateKey for every real date,
// and one that keeps a month's records together even when a foreign file
// holds an impossible day, so the month search stays sound. A function
// object, so that the sort inlines it.
constexpr auto EarlierDay = [](const ExpenseRecord& a, const ExpenseRecord& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
};

}  // namespace

CExpenseLedger::~CExpenseLedger() { RemoveAll(); }

void CExpenseLedger::Adopt(ExpenseRecord* records, int count, int capacity) {
  if (m_nCount > 0)
    std::memcpy(records, m_pRecords, sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount));
  DeleteRecordArray(m_pRecords);
  m_pRecords = records;
  m_nCount = count;
  m_nCapacity = capacity;
}

int CExpenseLedger::Append(const ExpenseRecord& record) {
  if (m_nCount == m_nCapacity) {
    const long long grown = static_cast<long long>(m_nCount) + kGrowth;
    if (grown > std::numeric_limits<int>::max()) return 0;
    ExpenseRecord* bigger = NewRecordArray(grown);
    if (!bigger) return 0;
    Adopt(bigger, m_nCount, static_cast<int>(grown));
  }
  m_pRecords[m_nCount] = record;
  return ++m_nCount;
}

bool CExpenseLedger::AppendRecords(std::span<const ExpenseRecord> records) {
  const long long total = static_cast<long long>(m_nCount) + static_cast<long long>(records.size());
  if (total > std::numeric_limits<int>::max() || !Reserve(static_cast<int>(total))) return false;
  if (!records.empty()) {
    std::memcpy(m_pRecords + m_nCount, records.data(), sizeof(ExpenseRecord) * records.size());
  }
  m_nCount = static_cast<int>(total);
  return true;
}

bool CExpenseLedger::Reserve(int capacity) {
  if (capacity <= m_nCapacity) return true;
  ExpenseRecord* bigger = NewUnfilledRecordArray(capacity);
  if (!bigger) return false;
  Adopt(bigger, m_nCount, capacity);
  return true;
}

void CExpenseLedger::RemoveAt(int index) {
  if (index < 0 || index >= m_nCount) return;
  if (index < m_nSorted) --m_nSorted;
  --m_nCount;
  std::memmove(m_pRecords + index, m_pRecords + index + 1,
               sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount - index));
}

bool CExpenseLedger::InsertAt(int index, const ExpenseRecord& record) {
  if (index < 0 || index > m_nCount || Append(record) == 0) return false;
  m_nSorted = std::min(m_nSorted, index);
  std::rotate(m_pRecords + index, m_pRecords + m_nCount - 1, m_pRecords + m_nCount);
  return true;
}

// Stable, so records of one day stay in the order they were entered. Past
// the prefix known to be sorted, records already in order are only looked
// at (a loaded file was saved sorted); the entry dialog's case, one record
// appended to a sorted ledger, goes after the last record of its day by
// binary search and a rotation.
void CExpenseLedger::SortByDate() {
  ExpenseRecord* begin = m_pRecords;
  ExpenseRecord* end = begin + m_nCount;
  const int known = std::min(m_nSorted, m_nCount);
  ExpenseRecord* sortedEnd = std::is_sorted_until(begin + std::max(known - 1, 0), end, EarlierDay);
  if (sortedEnd + 1 == end) {
    std::rotate(std::upper_bound(begin, end - 1, end[-1], EarlierDay), end - 1, end);
  } else if (sortedEnd != end && !SortRecordsByDate(begin, static_cast<std::size_t>(m_nCount))) {
    std::stable_sort(begin, end, EarlierDay);
  }
  m_nSorted = m_nCount;
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
  m_nSorted = 0;
}
