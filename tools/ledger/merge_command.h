// merge: another copy of the data file brought into it (merge_records.h).
#pragma once

#include "tools/ledger/commands.h"

namespace ledger_tool {

// merge FILE OTHER [--base BASE] [--dry-run]
int RunMerge(const Arguments& args);

}  // namespace ledger_tool
