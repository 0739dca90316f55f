// What a data file holds, for callers that must tell a missing or damaged
// file from an empty ledger (the device itself stays silent about them).
#pragma once

#include "platform/core/windef.h"

enum class LedgerFileState {
  kWhole,      // header ours, exactly the records it announces
  kMissing,    // cannot be opened
  kBadHeader,  // not a data file of ours
  kTruncated,  // fewer bytes than the records it announces
  kTrailing,   // bytes after the last announced record
};

struct LedgerFileReport {
  LedgerFileState state;
  long long announced;  // records the header announces (when it is ours)
  long long present;    // whole records the file holds after its header
};

LedgerFileReport ExamineLedgerFile(LPCTSTR path);
