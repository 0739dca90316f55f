// Loading and saving the ledger: the data file is read once and rewritten
// whole after every change. Only a missing file is a new ledger; a file
// that is there but not whole is kept aside before anything replaces it.
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ledger/expense_ledger.h"
#include "ledger/kept_aside.h"
#include "ledger/read_file.h"
#include "ledger/record_array.h"
#include "platform/win/files.h"

namespace {

constexpr long long kHeaderBytes = static_cast<long long>(kHeaderSize);
constexpr long long kRecordBytes = static_cast<long long>(sizeof(ExpenseRecord));

// Whether the file's size matches the records its header announces.
LedgerFileReport Measure(long long size, int announced) {
  LedgerFileReport report;
  report.announced = announced;
  const long long body = std::max(0LL, size - kHeaderBytes);
  report.present = body / kRecordBytes;
  const long long expected = announced * kRecordBytes;
  if (size < kHeaderBytes || body < expected) {
    report.state = LedgerFileState::kTruncated;
  } else if (body > expected) {
    report.state = LedgerFileState::kTrailing;
  } else {
    report.state = LedgerFileState::kWhole;
  }
  return report;
}

LedgerFileReport Unreadable(std::string reason) {
  LedgerFileReport report;
  report.state = LedgerFileState::kUnreadable;
  report.reason = std::move(reason);
  return report;
}

bool IsKeptAside(const LedgerFileReport& report) {
  return report.state != LedgerFileState::kWhole && report.state != LedgerFileState::kMissing;
}

}  // namespace

void CExpenseLedger::Load(LPCTSTR path) {
  m_strPath = path;
  RemoveAll();
  m_loadReport = {};
  m_keptAsideSuffix.clear();
  FileError error;
  FilePtr file = OpenForReading(m_strPath, error);
  if (!file) {
    if (!error.missing) m_loadReport = Unreadable(error.reason);
  } else {
    unsigned char header[kHeaderSize] = {};
    const size_t headerRead = std::fread(header, 1, sizeof header, file.get());
    const std::optional<int> announced = ParseHeader(header, headerRead);
    const long long size = FileSize(file.get());
    if (std::ferror(file.get()) || size < 0) {
      m_loadReport = Unreadable(std::strerror(errno));
    } else if (!announced) {
      m_loadReport.state = LedgerFileState::kBadHeader;
    } else {
      m_loadReport = Measure(size, *announced);
      // What the file announces and holds; a count beyond that would only
      // invent zero records.
      if (!ReadRecords(file.get(), std::min<long long>(*announced, m_loadReport.present))) return;
      SortByDate();
    }
  }
  // Only a regular file is ever moved aside; anything else stays as it is
  // and no save may replace it.
  if (IsKeptAside(m_loadReport) && m_loadReport.reason != kNotARegularFile)
    m_keptAsideSuffix = UnusedAsideSuffix(m_strPath, KeptAsideSuffix());
}

bool CExpenseLedger::ReadRecords(FILE* file, long long wanted) {
  const long long capacity = wanted + kSpareAfterLoad;
  ExpenseRecord* records = NewUnfilledRecordArray(capacity);
  if (!records) {
    m_loadReport = Unreadable("too large to load");
    return false;
  }
  const bool read = std::fseek(file, static_cast<long>(kHeaderSize), SEEK_SET) == 0 &&
                    std::fread(records, sizeof(ExpenseRecord), static_cast<size_t>(wanted), file) ==
                        static_cast<size_t>(wanted);
  if (!read) {
    DeleteRecordArray(records);
    m_loadReport =
        Unreadable(std::ferror(file) ? std::strerror(errno) : "the file changed while read");
    return false;
  }
  std::memset(records + wanted, 0, sizeof(ExpenseRecord) * kSpareAfterLoad);
  m_pRecords = records;
  m_nCount = static_cast<int>(wanted);
  m_nCapacity = static_cast<int>(capacity);
  return true;
}

// The refused file is the driver's, whatever it holds: it goes aside under
// the name decided at load (or one after it, never over an earlier one)
// before a save may take its place.
bool CExpenseLedger::KeepRejectedFileAside(const CString& target) {
  if (!IsKeptAside(m_loadReport) || target != m_strPath) return true;
  if (m_keptAsideSuffix.empty()) {
    m_saveProblem = m_loadReport.reason;
    return false;
  }
  std::string movedTo;
  if (!MoveFileAside(target, m_keptAsideSuffix, movedTo)) {
    m_saveProblem = std::string("cannot keep the old file aside: ") + std::strerror(errno);
    return false;
  }
  m_loadReport = {};
  m_keptAsideSuffix.clear();
  return true;
}

bool CExpenseLedger::Save(LPCTSTR path) {
  m_saveProblem.clear();
  const CString target = path ? CString(path) : m_strPath;
  if (target.IsEmpty()) {
    m_saveProblem = "no data file";
    return false;
  }
  if (!KeepRejectedFileAside(target)) return false;
  const LedgerHeader header = EncodeLedgerHeader(m_nCount);
  const FileChunk file[] = {{header.data(), header.size()},
                            {m_pRecords, sizeof(ExpenseRecord) * static_cast<size_t>(m_nCount)}};
  if (!WriteWholeFile(target, file, &m_saveProblem)) return false;
  RemoveLeftoverTemporaries(target);
  return true;
}

std::string CExpenseLedger::KeptAsidePath() const {
  return m_keptAsideSuffix.empty() ? std::string() : AsideName(m_strPath, m_keptAsideSuffix);
}
