#include "ledger/data_path.h"

std::wstring ProgramDataPath(const std::wstring& modulePath) {
  return modulePath.substr(0, modulePath.rfind(L'\\')) + L'\\' + kDataFileName;
}
