// The runtime's clock, sleeping and module path. The clock and sleeping
// come from the host: real in a desktop window, virtual when headless, where
// Sleep advances the clock at once.
#pragma once

#include "platform/core/windef.h"

DWORD GetTickCount();
void Sleep(DWORD milliseconds);
void GetLocalTime(LPSYSTEMTIME time);
void GetSystemTime(LPSYSTEMTIME time);

// The executable's path in backslash form ("\work\main\build\bin\roadtally"),
// as the device presents it; files.h maps such paths back to the host's.
// Returns the number of characters copied without the terminator, or 0.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);
inline DWORD GetModuleFileName(HMODULE module, LPWSTR buffer, DWORD size) {
  return GetModuleFileNameW(module, buffer, size);
}
