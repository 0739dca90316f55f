// The few standard controls a dialog template may hold (an About box's
// icon, text and button), as minimal child windows of their own classes.
#pragma once

#include "platform/win/winuser.h"

namespace framework {

// Registers "STATIC", "BUTTON" and "ICON" once. A STATIC shows its text, an
// ICON the icon resource its text names by number, and a BUTTON its text in
// a frame, sending WM_COMMAND with its id to its parent when tapped.
void RegisterDialogControls();

}  // namespace framework
