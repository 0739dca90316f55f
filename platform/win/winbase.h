// The runtime's clock, sleeping and module path. The clock and sleeping
// come from the host: real in a desktop window, virtual when headless, where
// Sleep advances the clock at once.
#pragma once

#include "platform/core/windef.h"

void Sleep(DWORD milliseconds);
void GetLocalTime(LPSYSTEMTIME time);
