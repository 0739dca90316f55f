// What a data file holds, for callers that must tell a missing or damaged
// file from an empty ledger (the device itself stays silent about them).
#pragma once

#include <string>

#include "platform/core/windef.h"

enum class LedgerFileState {
  kWhole,       // header ours, exactly the records it announces
  kMissing,     // nothing at the path
  kUnreadable,  // there, but not a regular file or not readable: see reason
  kBadHeader,   // not a data file of ours
  kTruncated,   // fewer bytes than the records it announces
  kTrailing,    // bytes after the last announced record
};

struct LedgerFileReport {
  LedgerFileState state;
  long long announced;  // records the header announces (when it is ours)
  long long present;    // whole records the file holds after its header
  std::string reason;   // why it is unreadable, in the system's words
};

LedgerFileReport ExamineLedgerFile(LPCTSTR path);
