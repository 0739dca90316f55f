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

void ReportLoadProblem(const CExpenseLedger& ledger, std::FILE* stream) {
  const std::string problem = ledger.LoadProblem();
  if (problem.empty()) return;
  const std::string file = HostPathFromDevice(ledger.m_strPath);
  const std::string loaded =
      ledger.m_nCount == 0 ? std::string("starting empty") : "loaded " + Records(ledger.m_nCount);
  std::fprintf(stream, "roadtally: %s: %s; %s; before the first save the file is kept as %s\n",
               file.c_str(), problem.c_str(), loaded.c_str(), ledger.KeptAsidePath().c_str());
}

void ReportSaveFailure(const CExpenseLedger& ledger, std::FILE* stream) {
  std::fprintf(stream, "roadtally: cannot save %s: %s; the file is unchanged\n",
               HostPathFromDevice(ledger.m_strPath).c_str(), ledger.SaveProblem().c_str());
}
