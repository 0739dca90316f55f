// Everything a program file needs from the framework and the platform
// beneath it, in one include.
#pragma once

#include "platform/framework/afxdisp.h"
#include "platform/framework/afxres.h"
#include "platform/framework/cdc.h"
#include "platform/framework/cdialog.h"
#include "platform/framework/cwinapp.h"
#include "platform/framework/cwnd.h"
#include "platform/framework/window_dc.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"
