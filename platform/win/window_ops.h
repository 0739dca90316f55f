// Operations the window manager's API files share.
#pragma once

#include <optional>

#include "platform/win/host_port.h"
#include "platform/win/window.h"

namespace win {

class WindowManager;

// Gives the window a surface of its current size (none when it has no area),
// keeping what the old surface showed where the two overlap.
void FitSurface(Window& window);

// Adds the rectangle (null: the whole client area), clipped to the client
// area, to the window's update region.
void Invalidate(Window& window, const RECT* rect, bool erase);

// Makes a top-level window active (WM_ACTIVATE to the old and the new one)
// and moves the focus into it.
void Activate(WindowManager& manager, HWND hwnd);

// A dying window loses capture, focus and activation; the activation passes
// to its owner.
void ForgetDyingWindow(WindowManager& manager, HWND hwnd);

// The message an input event becomes, routed at this moment; nothing for a
// close or quit request (handled here) or input no window takes.
std::optional<MSG> ConvertInput(WindowManager& manager, const host::InputEvent& event);

}  // namespace win
