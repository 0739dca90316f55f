// The program's static objects, in one file so that they are made in this
// order: the screen rectangle, then the application. The ledger is made on
// first use (when the main window is created), so it is destroyed first at
// exit, before the application object; nothing is written then.
#include "app/logbook_app.h"
#include "dialogs/skin_dlg.h"

const RECT g_rcScreen = {0, 0, 320, 240};

CLogbookApp theApp;
