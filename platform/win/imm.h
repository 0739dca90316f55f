// The input-method association call. The device's program detaches input
// methods from its windows; this platform has none, so the call does nothing.
#pragma once

#include "platform/core/windef.h"

inline HIMC ImmAssociateContext(HWND, HIMC) { return nullptr; }
