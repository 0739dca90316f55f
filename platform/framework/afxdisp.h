// The framework's OLE and control-container start-up calls. This platform
// has no OLE; the calls succeed and do nothing, as a program that uses no
// OLE feature expects.
#pragma once

#include "platform/core/windef.h"

inline void AfxEnableControlContainer(void* pOccManager = nullptr) {}
inline BOOL AfxOleInit() { return TRUE; }
