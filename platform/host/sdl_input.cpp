#include "platform/host/sdl_input.h"

#include <algorithm>

#include "platform/host/key_names.h"
#include "platform/win/winuser.h"

namespace host {
namespace {

using Kind = InputEvent::Kind;

// A point in the margin around the screen is on the screen's nearest edge.
int ScreenCoordinate(int window, int origin, int scale, int size) {
  return std::clamp((window - origin) / scale, 0, size - 1);
}

InputEvent PenEvent(Kind kind, int windowX, int windowY, const SdlPenState& pen) {
  InputEvent event{kind};
  event.x = ScreenCoordinate(windowX, pen.originX, pen.scale, kScreenWidth);
  event.y = ScreenCoordinate(windowY, pen.originY, pen.scale, kScreenHeight);
  return event;
}

std::optional<InputEvent> PenPress(bool pressed, int windowX, int windowY, SdlPenState& pen) {
  if (pressed == pen.down) return std::nullopt;
  pen.down = pressed;
  return PenEvent(pressed ? Kind::PenDown : Kind::PenUp, windowX, windowY, pen);
}

std::optional<InputEvent> PenMotion(int windowX, int windowY, const SdlPenState& pen) {
  if (!pen.down) return std::nullopt;
  return PenEvent(Kind::PenMove, windowX, windowY, pen);
}

// SDL also reports a touch as the mouse; the finger events stand for it.
std::optional<InputEvent> PenButton(const SDL_MouseButtonEvent& button, SdlPenState& pen) {
  if (button.button != SDL_BUTTON_LEFT || button.which == SDL_TOUCH_MOUSEID) return std::nullopt;
  return PenPress(button.type == SDL_MOUSEBUTTONDOWN, button.x, button.y, pen);
}

std::optional<InputEvent> PenDrag(const SDL_MouseMotionEvent& motion, const SdlPenState& pen) {
  if (motion.which == SDL_TOUCH_MOUSEID) return std::nullopt;
  return PenMotion(motion.x, motion.y, pen);
}

// A finger's place comes as fractions of the window.
std::optional<InputEvent> Finger(const SDL_TouchFingerEvent& finger, SdlPenState& pen) {
  const int x = static_cast<int>(finger.x * static_cast<float>(pen.outputWidth));
  const int y = static_cast<int>(finger.y * static_cast<float>(pen.outputHeight));
  if (finger.type == SDL_FINGERMOTION) return PenMotion(x, y, pen);
  return PenPress(finger.type == SDL_FINGERDOWN, x, y, pen);
}

std::optional<InputEvent> Key(const SDL_KeyboardEvent& key) {
  // The device's keys do not repeat: a held key is one key-down, so the
  // keypad's hold-to-clear timer is not restarted by the desktop's repeats.
  if (key.repeat != 0) return std::nullopt;
  std::optional<UINT> vk = VirtualKeyFromScancode(key.keysym.scancode);
  if (!vk) return std::nullopt;
  InputEvent event{key.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp};
  event.vk = *vk;
  return event;
}

}  // namespace

std::optional<UINT> VirtualKeyFromScancode(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_LEFT: return VK_LEFT;
    case SDL_SCANCODE_UP: return VK_UP;
    case SDL_SCANCODE_RIGHT: return VK_RIGHT;
    case SDL_SCANCODE_DOWN: return VK_DOWN;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    case SDL_SCANCODE_ESCAPE: return VK_ESCAPE;
    case SDL_SCANCODE_F1: return VK_F1;
    case SDL_SCANCODE_F2: return VK_F2;
    case SDL_SCANCODE_F3: return VK_F3;
    case SDL_SCANCODE_F4: return VK_F4;
    case SDL_SCANCODE_END: return kDeviceCloseKey;
    case SDL_SCANCODE_KP_0: return VK_NUMPAD0;
    default: break;
  }
  // SDL numbers the pad's digits 1..9 consecutively, then 0.
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    return VK_NUMPAD0 + 1 + static_cast<UINT>(scancode - SDL_SCANCODE_KP_1);
  return std::nullopt;
}

std::optional<InputEvent> TranslateSdlEvent(const SDL_Event& event, SdlPenState& pen) {
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return PenButton(event.button, pen);
    case SDL_MOUSEMOTION: return PenDrag(event.motion, pen);
    case SDL_FINGERDOWN:
    case SDL_FINGERUP:
    case SDL_FINGERMOTION: return Finger(event.tfinger, pen);
    case SDL_KEYDOWN:
    case SDL_KEYUP: return Key(event.key);
    case SDL_QUIT: return InputEvent{Kind::Close};
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return InputEvent{Kind::Close};
      return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace host
