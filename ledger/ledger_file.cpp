// Loading and saving the ledger: the data file is read once and rewritten
// whole after every change. Only a missing file is a new ledger; a file
// that is there but refused is kept aside before anything replaces it.
#include <algorithm>
#include <cstring>

#include "ledger/expense_ledger.h"
#include "ledger/kept_aside.h"
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
  return std::max(0LL, size - static_cast<long long>(kHeaderSize)) /
         static_cast<long long>(sizeof(ExpenseRecord));
}

constexpr char kNotOurs[] = "not a Roadtally data file of version 1.0.0";

}  // namespace

void CExpenseLedger::Load(LPCTSTR path) {
  m_strPath = path;
  RemoveAll();
  m_loadProblem.clear();
  FileError error;
  FilePtr file = OpenForReading(m_strPath, error);
  if (!file) {
    if (!error.missing) m_loadProblem = error.reason;
    return;
  }
  unsigned char header[kHeaderSize] = {};
  const size_t headerRead = std::fread(header, 1, sizeof header, file.get());
  if (std::ferror(file.get())) {
    m_loadProblem = "read error";
    return;
  }
  const std::optional<int> announced = ParseHeader(header, headerRead);
  if (!announced) {
    m_loadProblem = kNotOurs;
    return;
  }
  if (!ReadRecords(file.get(), *announced)) return;
  SortByDate();
}

bool CExpenseLedger::ReadRecords(FILE* file, int announced) {
  const int wanted = static_cast<int>(std::min<long long>(announced, RecordsPresent(file)));
  const int capacity = wanted + kSpareAfterLoad;
  ExpenseRecord* records = NewUnfilledRecordArray(capacity);
  if (!records) {
    m_loadProblem = "too large to load";
    return false;
  }
  const size_t read = std::fread(records, sizeof(ExpenseRecord), static_cast<size_t>(wanted), file);
  if (std::ferror(file)) {
    DeleteRecordArray(records);
    m_loadProblem = "read error";
    return false;
  }
  // Whatever the file did not fill is zero, as in every other array.
  std::memset(records + read, 0, sizeof(ExpenseRecord) * (static_cast<size_t>(capacity) - read));
  m_pRecords = records;
  m_nCount = static_cast<int>(read);
  m_nCapacity = capacity;
  return true;
}

// The refused file is the driver's, whatever it holds: it goes aside under
// a name no earlier one has before a save may take its place.
bool CExpenseLedger::KeepRejectedFileAside(const CString& target) {
  if (m_loadProblem.empty() || target != m_strPath) return true;
  std::string movedTo;
  if (!MoveFileAside(target, KeptAsideSuffix(), movedTo)) return false;
  m_loadProblem.clear();
  return true;
}

bool CExpenseLedger::Save(LPCTSTR path) {
  const CString target = path ? CString(path) : m_strPath;
  if (target.IsEmpty() || !KeepRejectedFileAside(target)) return false;
  const LedgerHeader header = EncodeLedgerHeader(m_nCount);
  const FileChunk file[] = {{header.data(), header.size()},
                            {m_pRecords, sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount)}};
  if (!WriteWholeFile(target, file)) return false;
  RemoveLeftoverTemporaries(target);
  return true;
}
