// The data file: its bytes (a 24-byte header, magic "ROADtally", version
// 1.0.0, a reserved byte and the record count, followed by the records),
// what a load found there, and what the program says about it on standard
// error. A file the ledger would not take whole is kept beside the new one
// as "<name>.damaged-YYYYMMDD-HHMMSS"; a save that failed says why.
// CExpenseLedger's Load and Save are defined with these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

#include "ledger/expense_record.h"

constexpr std::size_t kHeaderSize = 24;

using LedgerHeader = std::array<unsigned char, kHeaderSize>;

// The header of a file of count records; the records follow it as they
// lie in memory.
LedgerHeader EncodeLedgerHeader(int count);

// Spare slots reserved after a load, so the next entries need no growth.
constexpr int kSpareAfterLoad = 10;

// What a load found at the data path.
enum class LedgerFileState {
  kWhole,       // header ours, exactly the records it announces
  kMissing,     // nothing at the path
  kUnreadable,  // there, but not a regular file or not readable: see reason
  kBadHeader,   // not a data file of ours
  kTruncated,   // fewer bytes than the records it announces
  kTrailing,    // bytes after the last announced record
};

struct LedgerFileReport {
  LedgerFileState state = LedgerFileState::kMissing;
  long long announced = 0;  // records the header announces (when it is ours)
  long long present = 0;    // whole records the file holds after its header
  std::string reason;       // why it is unreadable, in the system's words
};

// The report's fault in words ("announces 1 records, holds 1000"); empty
// for a whole or missing file.
std::string DescribeFault(const LedgerFileReport& report);

class CExpenseLedger;

// When the last Load found the file not whole, one line on stream: which
// file, what is wrong, what was loaded, and where the file will be kept.
void ReportLoadProblem(const CExpenseLedger& ledger, std::FILE* stream);

// After a failed save, one line on stream: which file and the reason.
void ReportSaveFailure(const CExpenseLedger& ledger, std::FILE* stream);
