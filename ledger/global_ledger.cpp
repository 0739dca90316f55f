// The program's one ledger, a static object destroyed at exit.
#include "ledger/expense_ledger.h"

namespace {

CExpenseLedger s_ledger;

}  // namespace

CExpenseLedger* GetLedger() { return &s_ledger; }
