#include "platform/host/sdl_input.h"

#include <algorithm>

#include "platform/host/key_names.h"
#include "platform/win/winuser.h"

namespace host {
namespace {

using Kind = InputEvent::Kind;

InputEvent PenEvent(Kind kind, int windowX, int windowY, int scale) {
  InputEvent event{kind};
  event.x = std::clamp(windowX / scale, 0, kScreenWidth - 1);
  event.y = std::clamp(windowY / scale, 0, kScreenHeight - 1);
  return event;
}

std::optional<InputEvent> PenButton(const SDL_MouseButtonEvent& button, SdlPenState& pen) {
  if (button.button != SDL_BUTTON_LEFT) return std::nullopt;
  const bool pressed = button.type == SDL_MOUSEBUTTONDOWN;
  if (pressed == pen.down) return std::nullopt;
  pen.down = pressed;
  return PenEvent(pressed ? Kind::PenDown : Kind::PenUp, button.x, button.y, pen.scale);
}

std::optional<InputEvent> PenMotion(const SDL_MouseMotionEvent& motion, const SdlPenState& pen) {
  if (!pen.down) return std::nullopt;
  return PenEvent(Kind::PenMove, motion.x, motion.y, pen.scale);
}

std::optional<InputEvent> Key(const SDL_KeyboardEvent& key) {
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
    case SDL_MOUSEBUTTONUP:
      return PenButton(event.button, pen);
    case SDL_MOUSEMOTION:
      return PenMotion(event.motion, pen);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return Key(event.key);
    case SDL_QUIT:
      return InputEvent{Kind::Close};
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return InputEvent{Kind::Close};
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace host
