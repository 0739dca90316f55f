// Loading and saving the ledger: the data file is read once and rewritten
// whole after every change. Only a missing file is a new ledger; a file
// that is there but not whole is kept aside before anything replaces it.
#include "ledger/ledger_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <limits>
#include <memory>
#include <optional>

#include "ledger/expense_ledger.h"
#include "platform/win/files.h"

namespace {

constexpr char kMagic[] = "ROADtally";  // with its terminating zero
constexpr std::size_t kVersionOffset = 16;
constexpr std::size_t kCountOffset = 20;

// The record count a header announces, or nothing when the header is not
// ours: wrong magic, a version other than 1.0.0, or a count that is
// negative or too large for the ledger to hold with its spare slots.
// A file that ends before the version's last byte (19 bytes) is not ours
// either; bytes it lacked after that must be zero in the buffer.
std::optional<int> ParseHeader(const unsigned char (&header)[kHeaderSize], std::size_t bytesRead) {
  if (bytesRead < kVersionOffset + 3) return std::nullopt;
  if (std::memcmp(header, kMagic, sizeof kMagic) != 0) return std::nullopt;
  const unsigned char* version = header + kVersionOffset;
  if (version[0] != 1 || version[1] != 0 || version[2] != 0) return std::nullopt;
  std::int32_t count = 0;
  std::memcpy(&count, header + kCountOffset, sizeof count);
  if (count < 0 || count > std::numeric_limits<int>::max() - kSpareAfterLoad) return std::nullopt;
  return count;
}

// ".damaged-" and the local date and time now.
std::string KeptAsideSuffix() {
  const std::time_t now = std::time(nullptr);
  char stamp[32] = "00000000-000000";
  // One thread: the program's, or the tool's.
  if (const std::tm* local = std::localtime(&now))
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", local);
  return std::string(".damaged-") + stamp;
}

// "1 record", "2 records".
std::string Records(long long count) {
  return std::to_string(count) + (count == 1 ? " record" : " records");
}

}  // namespace

LedgerHeader EncodeLedgerHeader(int count) {
  LedgerHeader header{};
  std::memcpy(header.data(), kMagic, sizeof kMagic);
  header[kVersionOffset] = 1;
  const std::int32_t storedCount = count;
  std::memcpy(header.data() + kCountOffset, &storedCount, sizeof storedCount);
  return header;
}

std::string DescribeFault(const LedgerFileReport& report) {
  const std::string counts =
      "announces " + Records(report.announced) + ", holds " + std::to_string(report.present);
  switch (report.state) {
    case LedgerFileState::kWhole:
    case LedgerFileState::kMissing: return {};
    case LedgerFileState::kUnreadable: return "cannot read the file: " + report.reason;
    case LedgerFileState::kBadHeader: return "not a Roadtally data file of version 1.0.0";
    case LedgerFileState::kTruncated: return "file is cut short (" + counts + ")";
    case LedgerFileState::kTrailing:
      return "unexpected bytes after the last record (" + counts + ")";
  }
  return "unreadable";
}

void ReportLoadProblem(const CExpenseLedger& ledger, std::FILE* stream) {
  const std::string problem = ledger.LoadProblem();
  if (problem.empty()) return;
  const std::string file = HostPathFromDevice(ledger.m_strPath);
  const std::string loaded =
      ledger.m_nCount == 0 ? std::string("starting empty") : "loaded " + Records(ledger.m_nCount);
  std::fprintf(stream, "roadtally: %s: %s; %s; before the first save the file is kept as %s\n",
               file.c_str(), problem.c_str(), loaded.c_str(), ledger.KeptAsidePath().c_str());
}

void ReportSaveFailure(const CExpenseLedger& ledger, std::FILE* stream) {
  std::fprintf(stream, "roadtally: cannot save %s: %s; the file is unchanged\n",
               HostPathFromDevice(ledger.m_strPath).c_str(), ledger.SaveProblem().c_str());
}

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// The file's size in bytes, or -1; the position is left at the end.
long long FileSize(FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}

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
  FilePtr file(OpenRegularFileForReading(m_strPath, error));
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

// The header's count leaves room for the spare slots within an int.
bool CExpenseLedger::ReadRecords(FILE* file, long long wanted) {
  if (!Reserve(static_cast<int>(wanted) + kSpareAfterLoad)) {
    m_loadReport = Unreadable("too large to load");
    return false;
  }
  const bool read = std::fseek(file, static_cast<long>(kHeaderSize), SEEK_SET) == 0 &&
                    std::fread(m_pRecords, sizeof(ExpenseRecord), static_cast<size_t>(wanted),
                               file) == static_cast<size_t>(wanted);
  if (!read) {
    RemoveAll();
    m_loadReport =
        Unreadable(std::ferror(file) ? std::strerror(errno) : "the file changed while read");
    return false;
  }
  m_nCount = static_cast<int>(wanted);
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
