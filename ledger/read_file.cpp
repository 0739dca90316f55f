#include "ledger/read_file.h"

#include "platform/win/files.h"

FilePtr OpenForReading(LPCTSTR path) { return FilePtr(_wfopen(path, L"rb")); }

long long FileSize(FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}
