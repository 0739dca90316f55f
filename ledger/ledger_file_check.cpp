#include "ledger/ledger_file_check.h"

#include "ledger/expense_record.h"
#include "ledger/ledger_format.h"
#include "ledger/read_file.h"

LedgerFileReport ExamineLedgerFile(LPCTSTR path) {
  FilePtr file = OpenForReading(path);
  if (!file) return {LedgerFileState::kMissing, 0, 0};
  unsigned char header[kHeaderSize] = {};
  const size_t headerRead = std::fread(header, 1, sizeof header, file.get());
  const std::optional<int> announced = ParseHeader(header, headerRead);
  const long long size = FileSize(file.get());
  if (!announced || size < 0) return {LedgerFileState::kBadHeader, 0, 0};
  const long long headerBytes = static_cast<long long>(kHeaderSize);
  const long long body = size > headerBytes ? size - headerBytes : 0;
  const long long expected = static_cast<long long>(*announced) * static_cast<long long>(sizeof(ExpenseRecord));
  const long long present = body / static_cast<long long>(sizeof(ExpenseRecord));
  LedgerFileState state = LedgerFileState::kWhole;
  if (body < expected || size < headerBytes) state = LedgerFileState::kTruncated;
  else if (body > expected) state = LedgerFileState::kTrailing;
  return {state, *announced, present};
}
