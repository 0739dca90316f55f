// A data file the ledger refused at load is kept beside the new one as
// "<name>.damaged-YYYYMMDD-HHMMSS", and the program says so at start.
#pragma once

#include <cstdio>
#include <string>

class CExpenseLedger;

// ".damaged-" and the local date and time now.
std::string KeptAsideSuffix();

// When the last Load refused the file, one line on stream: which file,
// why, that the program starts empty, and where the file will be kept.
void ReportStartedEmpty(const CExpenseLedger& ledger, std::FILE* stream);
