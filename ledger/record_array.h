// The ledger's record arrays, owned by the ledger: new and delete that never
// throw; a failure is a null array.
#pragma once

#include "ledger/expense_record.h"

// Room for capacity records, every byte zero; null when it cannot be had
// (including a capacity whose size in bytes would overflow).
ExpenseRecord* NewRecordArray(long long capacity);
// The same, left unfilled, for an array about to be read into: filling
// twenty megabytes first only to overwrite them doubles a large load.
ExpenseRecord* NewUnfilledRecordArray(long long capacity);
void DeleteRecordArray(ExpenseRecord* records);
