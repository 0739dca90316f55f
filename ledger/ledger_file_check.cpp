#include "ledger/ledger_file_check.h"

#include <cstdio>
#include <memory>

#include "ledger/expense_record.h"
#include "ledger/ledger_format.h"
#include "platform/win/files.h"

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

long FileSize(FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}

}  // namespace

LedgerFileReport ExamineLedgerFile(LPCTSTR path) {
  std::unique_ptr<FILE, FileCloser> file(_wfopen(path, L"rb"));
  if (!file) return {LedgerFileState::kMissing, 0, 0};
  unsigned char header[kHeaderSize] = {};
  const size_t headerRead = std::fread(header, 1, sizeof header, file.get());
  const std::optional<int> announced = ParseHeader(header, headerRead);
  const long size = FileSize(file.get());
  if (!announced || size < 0) return {LedgerFileState::kBadHeader, 0, 0};
  const long long body = size > static_cast<long>(kHeaderSize) ? size - static_cast<long long>(kHeaderSize) : 0;
  const long long expected = static_cast<long long>(*announced) * static_cast<long long>(sizeof(ExpenseRecord));
  const long long present = body / static_cast<long long>(sizeof(ExpenseRecord));
  LedgerFileState state = LedgerFileState::kWhole;
  if (body < expected || size < static_cast<long>(kHeaderSize)) state = LedgerFileState::kTruncated;
  else if (body > expected) state = LedgerFileState::kTrailing;
  return {state, *announced, present};
}
