// Lets the framework attach its window object to a window while it is being
// created, before the window receives its first message (WM_NCCREATE).
#pragma once

#include "platform/core/windef.h"

namespace win {

// Called once with the new window's handle by the next CreateWindowEx of
// this thread, then forgotten. A second call replaces a hook not yet used.
using CreationHook = void (*)(HWND hwnd, void* context);
void SetCreationHook(CreationHook hook, void* context);

}  // namespace win
