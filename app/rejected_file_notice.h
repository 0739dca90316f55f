// What the driver is told on screen when the data file was refused at
// start: the calendar starts empty, and the file is kept under another
// name at the first save (ledger/kept_aside.h).
#pragma once

#include "platform/framework/cstring.h"

class CExpenseLedger;
class CWnd;

// The message box's text: the copy's name on lines of their own. Empty
// when the last Load read the file or found none.
CString RejectedFileNotice(const CExpenseLedger& ledger);

// Shows the notice over the window, when there is one, with the warning
// icon and "확  인" (a box of one button would show only "취  소").
void ShowRejectedFileNotice(CWnd* parent, const CExpenseLedger& ledger);
