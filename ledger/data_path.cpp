#include "ledger/data_path.h"

#include <cwchar>

#include "platform/host/program_data_path.h"

CString BuildDataPath(LPCTSTR modulePath) {
  if (!modulePath) return CString();
  const size_t length = std::wcslen(modulePath);
  if (length >= kModulePathCapacity) return CString();
  size_t directoryLength = length;
  for (size_t i = length; i-- > 0;) {
    if (modulePath[i] == L'\\') {
      directoryLength = i;
      break;
    }
  }
  const size_t fileNameLength = 1 + std::wcslen(kDataFileName);  // with its backslash
  if (directoryLength + fileNameLength >= kModulePathCapacity) return CString();
  return CString(modulePath).Left(static_cast<int>(directoryLength)) + L'\\' + kDataFileName;
}

// The launcher keeps the single-instance claim on the file the ledger opens.
std::wstring ProgramDataPath(const std::wstring& modulePath) {
  return static_cast<LPCTSTR>(BuildDataPath(modulePath.c_str()));
}
