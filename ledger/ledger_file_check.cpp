#include "ledger/ledger_file_check.h"

#include "ledger/expense_record.h"
#include "ledger/ledger_format.h"
#include "ledger/read_file.h"

LedgerFileReport ExamineLedgerFile(LPCTSTR path) {
  FileError error;
  FilePtr file = OpenForReading(path, error);
  if (!file)
    return {error.missing ? LedgerFileState::kMissing : LedgerFileState::kUnreadable, 0, 0,
            error.reason};
  unsigned char header[kHeaderSize] = {};
  const size_t headerRead = std::fread(header, 1, sizeof header, file.get());
  if (std::ferror(file.get())) return {LedgerFileState::kUnreadable, 0, 0, "read error"};
  const std::optional<int> announced = ParseHeader(header, headerRead);
  const long long size = FileSize(file.get());
  if (!announced || size < 0) return {LedgerFileState::kBadHeader, 0, 0, {}};
  const long long headerBytes = static_cast<long long>(kHeaderSize);
  const long long body = size > headerBytes ? size - headerBytes : 0;
  const long long expected =
      static_cast<long long>(*announced) * static_cast<long long>(sizeof(ExpenseRecord));
  const long long present = body / static_cast<long long>(sizeof(ExpenseRecord));
  LedgerFileState state = LedgerFileState::kWhole;
  if (body < expected || size < headerBytes)
    state = LedgerFileState::kTruncated;
  else if (body > expected)
    state = LedgerFileState::kTrailing;
  return {state, *announced, present, {}};
}
