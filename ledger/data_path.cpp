#include "ledger/data_path.h"

#include <cwchar>

namespace {

constexpr wchar_t kFileName[] = L"\\Roadtally.dat";

}  // namespace

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
  const size_t fileNameLength = std::wcslen(kFileName);
  if (directoryLength + fileNameLength >= kModulePathCapacity) return CString();
  return CString(modulePath).Left(static_cast<int>(directoryLength)) + kFileName;
}
