// Everything a program file needs from the framework and the platform
// beneath it, in one include.
#pragma once

#include "platform/framework/cdc.h"
#include "platform/framework/cdialog.h"
#include "platform/framework/cwinapp.h"
#include "platform/framework/cwnd.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

// The framework's standard command ids.
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141

// The control container's start-up call. This platform has no OLE; the
// call does nothing, as a program that uses no OLE feature expects.
inline void AfxEnableControlContainer(void* pOccManager = nullptr) {}
