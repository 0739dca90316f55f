// SDL's input events as the device's: the mouse or a finger is the pen,
// moves count only while it is down; window pixels are taken from the
// screen's corner and divided by its scale; keys map to the device's
// virtual keys.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/win/host_port.h"

namespace host {

struct SdlPenState {
  int scale = 1;
  bool down = false;
  int originX = 0;  // the screen's top-left corner in the window
  int originY = 0;
  int outputWidth = 0;  // the window's size, for touches given as fractions of it
  int outputHeight = 0;
};

// The device's virtual key for a key of the desktop keyboard, if it has one.
std::optional<UINT> VirtualKeyFromScancode(SDL_Scancode scancode);

// The input event an SDL event stands for, if any; a close request for the
// window's close button and for SDL's quit (a signal, say).
std::optional<InputEvent> TranslateSdlEvent(const SDL_Event& event, SdlPenState& pen);

}  // namespace host
