#include "ledger/read_file.h"

FilePtr OpenForReading(LPCTSTR path, FileError& error) {
  return FilePtr(OpenRegularFileForReading(path, error));
}

long long FileSize(FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}
