#include "platform/host/sdl_host.h"

#include <algorithm>
#include <utility>

#include "platform/win/winuser.h"

namespace host {
namespace {

using Kind = InputEvent::Kind;

// A point in the margin around the screen is on the screen's nearest edge.
int ScreenCoordinate(int window, int origin, int scale, int size) {
  return std::clamp((window - origin) / scale, 0, size - 1);
}

InputEvent PenEvent(Kind kind, int windowX, int windowY, const SdlPenState& pen) {
  return {kind, ScreenCoordinate(windowX, pen.originX, pen.scale, kScreenWidth),
          ScreenCoordinate(windowY, pen.originY, pen.scale, kScreenHeight)};
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
  return InputEvent{.kind = key.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp, .vk = *vk};
}

// The device's keys, then a desktop keyboard's stand-ins for the keypad's:
// the top-row digits type as the numeric pad's, Backspace is "<-" (F2), the
// pad's "." is "." (F3) and the pad's Enter is "확  인" (F1). On every
// screen but the keypad and the message box both Enter and F1 do nothing,
// and there F1 is what a person pressing the pad's Enter means, where Enter
// would press the highlighted key.
constexpr std::pair<SDL_Scancode, UINT> kKeyTable[] = {
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_F1, VK_F1},
    {SDL_SCANCODE_F2, VK_F2},
    {SDL_SCANCODE_F3, VK_F3},
    {SDL_SCANCODE_F4, VK_F4},
    {SDL_SCANCODE_END, kDeviceCloseKey},
    {SDL_SCANCODE_KP_0, VK_NUMPAD0},
    {SDL_SCANCODE_0, VK_NUMPAD0},
    {SDL_SCANCODE_BACKSPACE, VK_F2},
    {SDL_SCANCODE_KP_PERIOD, VK_F3},
    {SDL_SCANCODE_KP_ENTER, VK_F1},
};

}  // namespace

std::optional<UINT> VirtualKeyFromScancode(SDL_Scancode scancode) {
  // Both rows of digits run 1..9 then 0.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return VK_NUMPAD1 + (scancode - SDL_SCANCODE_1);
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    return VK_NUMPAD1 + (scancode - SDL_SCANCODE_KP_1);
  for (const auto& [key, vk] : kKeyTable)
    if (key == scancode) return vk;
  return std::nullopt;
}

// SDL also reports a touch as the mouse; the finger events stand for it.
std::optional<InputEvent> TranslateSdlEvent(const SDL_Event& event, SdlPenState& pen) {
  const SDL_MouseButtonEvent& button = event.button;
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (button.button != SDL_BUTTON_LEFT || button.which == SDL_TOUCH_MOUSEID)
        return std::nullopt;
      return PenPress(event.type == SDL_MOUSEBUTTONDOWN, button.x, button.y, pen);
    case SDL_MOUSEMOTION:
      if (event.motion.which == SDL_TOUCH_MOUSEID) return std::nullopt;
      return PenMotion(event.motion.x, event.motion.y, pen);
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
