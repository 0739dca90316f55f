#include "ledger/kept_aside.h"

#include <ctime>

#include "ledger/expense_ledger.h"
#include "platform/win/files.h"

std::string KeptAsideSuffix() {
  const std::time_t now = std::time(nullptr);
  char stamp[32] = "00000000-000000";
  // One thread: the program's, or the tool's.
  if (const std::tm* local = std::localtime(&now))
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", local);
  return std::string(".damaged-") + stamp;
}

void ReportStartedEmpty(const CExpenseLedger& ledger, std::FILE* stream) {
  if (ledger.LoadProblem().empty()) return;
  const std::string file = HostPathFromDevice(ledger.m_strPath);
  std::fprintf(stream,
               "roadtally: %s: %s; starting empty; before the first save the file is kept as "
               "%s.damaged-YYYYMMDD-HHMMSS\n",
               file.c_str(), ledger.LoadProblem().c_str(), file.c_str());
}
