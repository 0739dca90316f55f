#include "ledger/data_path.h"

#include <string_view>

CString BuildDataPath(LPCTSTR modulePath) {
  if (!modulePath) return CString();
  const std::wstring_view path(modulePath);
  const size_t slash = path.rfind(L'\\');
  const std::wstring_view directory =
      slash == std::wstring_view::npos ? path : path.substr(0, slash);
  return CString(std::wstring(directory).c_str()) + L'\\' + kDataFileName;
}

std::wstring ProgramDataPath(const std::wstring& modulePath) {
  return static_cast<LPCTSTR>(BuildDataPath(modulePath.c_str()));
}
