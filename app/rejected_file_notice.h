// What the driver is told on screen when the data file was not taken
// whole at start: the file is kept under another name, decided at load,
// before the first save over it (ledger/kept_aside.h).
#pragma once

#include "platform/framework/cstring.h"

class CExpenseLedger;
class CWnd;

// The message box's text: the copy's file name on lines of its own. Empty
// when the last Load took the file whole or found none.
CString RejectedFileNotice(const CExpenseLedger& ledger);

// Shows the notice over the window, when there is one, with the warning
// icon and "확  인" (a box of one button would show only "취  소").
void ShowRejectedFileNotice(CWnd* parent, const CExpenseLedger& ledger);
