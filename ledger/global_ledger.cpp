// The program's one ledger. It is made on first use, when the main window
// loads it, so it is destroyed at exit before the application object made
// earlier: the order the program's statics are torn down in. Nothing is
// written then; every change was saved when it was made.
#include "ledger/expense_ledger.h"

CExpenseLedger* GetLedger() {
  static CExpenseLedger ledger;
  return &ledger;
}
