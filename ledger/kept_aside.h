// What the program says on standard error about its data file: a file the
// ledger would not take whole is kept beside the new one as
// "<name>.damaged-YYYYMMDD-HHMMSS", and a save that failed says why.
#pragma once

#include <cstdio>
#include <string>

class CExpenseLedger;

// ".damaged-" and the local date and time now.
std::string KeptAsideSuffix();

// When the last Load found the file not whole, one line on stream: which
// file, what is wrong, what was loaded, and where the file will be kept.
void ReportLoadProblem(const CExpenseLedger& ledger, std::FILE* stream);

// After a failed save, one line on stream: which file and the reason.
void ReportSaveFailure(const CExpenseLedger& ledger, std::FILE* stream);
