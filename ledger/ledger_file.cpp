// Loading and saving the ledger: the data file is read once and rewritten
// whole after every change.
#include <algorithm>

#include "ledger/expense_ledger.h"
#include "ledger/ledger_format.h"
#include "ledger/read_file.h"
#include "ledger/record_array.h"
#include "platform/win/files.h"

namespace {

// Whole records between the end of the header and the end of the file,
// leaving the position at the first record; a count beyond that would
// only invent zero records.
long long RecordsPresent(FILE* file) {
  const long long size = FileSize(file);
  if (std::fseek(file, static_cast<long>(kHeaderSize), SEEK_SET) != 0) return 0;
  return std::max(0LL, size - static_cast<long long>(kHeaderSize)) / static_cast<long long>(sizeof(ExpenseRecord));
}

}  // namespace

void CExpenseLedger::Load(LPCTSTR path) {
  m_strPath = path;
  RemoveAll();
  FilePtr file = OpenForReading(m_strPath);
  if (!file) return;
  unsigned char header[kHeaderSize] = {};
  const size_t headerRead = std::fread(header, 1, sizeof header, file.get());
  const std::optional<int> announced = ParseHeader(header, headerRead);
  if (!announced) return;
  const int wanted = static_cast<int>(std::min<long long>(*announced, RecordsPresent(file.get())));
  ExpenseRecord* records = NewRecordArray(static_cast<long long>(wanted) + kSpareAfterLoad);
  if (!records) return;
  const size_t read = std::fread(records, sizeof(ExpenseRecord), static_cast<size_t>(wanted), file.get());
  m_pRecords = records;
  m_nCount = static_cast<int>(read);
  m_nCapacity = wanted + kSpareAfterLoad;
  SortByDate();
}

bool CExpenseLedger::Save(LPCTSTR path) {
  const CString target = path ? CString(path) : m_strPath;
  if (target.IsEmpty()) return false;
  const LedgerHeader header = EncodeLedgerHeader(m_nCount);
  const FileChunk file[] = {{header.data(), header.size()},
                            {m_pRecords, sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount)}};
  return WriteWholeFile(target, file);
}
