// The program's static objects: the shared screen rectangle and the
// application. The ledger is reached through GetLedger.
#pragma once

#include "platform/win/windef.h"

// The 320 x 240 screen every full-screen dialog covers.
extern const RECT g_rcScreen;
