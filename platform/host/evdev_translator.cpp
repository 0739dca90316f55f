#include "platform/host/evdev_translator.h"

#include "platform/win/winuser.h"

namespace host {
namespace {

using Kind = InputEvent::Kind;

constexpr std::int32_t kKeyRepeat = 2;

std::optional<UINT> DigitKey(std::uint16_t code) {
  // The top row runs KEY_1..KEY_9 then KEY_0; the pad has its own order.
  constexpr std::uint16_t kPad[] = {KEY_KP0, KEY_KP1, KEY_KP2, KEY_KP3, KEY_KP4,
                                    KEY_KP5, KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9};
  if (code >= KEY_1 && code <= KEY_9) return VK_NUMPAD0 + 1 + (code - KEY_1);
  if (code == KEY_0) return VK_NUMPAD0;
  for (UINT digit = 0; digit < 10; ++digit)
    if (kPad[digit] == code) return VK_NUMPAD0 + digit;
  return std::nullopt;
}

}  // namespace

std::optional<UINT> VirtualKeyFromEvdevKey(std::uint16_t code) {
  switch (code) {
    case KEY_LEFT: return VK_LEFT;
    case KEY_UP: return VK_UP;
    case KEY_RIGHT: return VK_RIGHT;
    case KEY_DOWN: return VK_DOWN;
    case KEY_ENTER:
    case KEY_KPENTER: return VK_RETURN;
    case KEY_ESC: return VK_ESCAPE;
    case KEY_F1: return VK_F1;
    case KEY_F2: return VK_F2;
    case KEY_F3: return VK_F3;
    case KEY_F4: return VK_F4;
    case KEY_END: return kDeviceCloseKey;
    default: return DigitKey(code);
  }
}

EvdevTranslator::EvdevTranslator(const TouchCalibration& calibration, const DeviceRanges& ranges)
    : calibration_(calibration), ranges_(ranges) {}

void EvdevTranslator::Feed(std::uint16_t type, std::uint16_t code, std::int32_t value,
                           std::deque<InputEvent>& out) {
  if (type == EV_ABS && code == ABS_X) rawX_ = value;
  if (type == EV_ABS && code == ABS_Y) rawY_ = value;
  if (type == EV_KEY && code == BTN_TOUCH) touch_ = value != 0;
  if (type == EV_KEY && code != BTN_TOUCH) Key(code, value, out);
  if (type == EV_SYN && code == SYN_REPORT) EndFrame(out);
}

// A press or release is reported where the frame left the pen; a move only
// when it reaches another screen pixel.
void EvdevTranslator::EndFrame(std::deque<InputEvent>& out) {
  const ScreenPoint at = TouchToScreen(rawX_, rawY_, calibration_, ranges_);
  const std::optional<bool> touch = touch_;
  touch_.reset();
  Kind kind;
  if (touch && *touch != down_) {
    down_ = *touch;
    kind = down_ ? Kind::PenDown : Kind::PenUp;
  } else if (down_ && at != last_) {
    kind = Kind::PenMove;
  } else {
    return;
  }
  last_ = at;
  out.push_back({kind, at.x, at.y});
}

void EvdevTranslator::Key(std::uint16_t code, std::int32_t value, std::deque<InputEvent>& out) {
  const std::optional<UINT> vk = VirtualKeyFromEvdevKey(code);
  if (!vk || value == kKeyRepeat) return;
  out.push_back({.kind = value != 0 ? Kind::KeyDown : Kind::KeyUp, .vk = *vk});
}

DeviceRoles ClassifyDevice(const DeviceCapabilities& c) {
  DeviceRoles roles;
  if (!c.events[EV_KEY]) return roles;
  roles.pen = c.events[EV_ABS] && c.keys[BTN_TOUCH] && c.axes[ABS_X] && c.axes[ABS_Y];
  for (std::uint16_t code = 0; code < KEY_CNT && !roles.keys; ++code)
    roles.keys = c.keys[code] && VirtualKeyFromEvdevKey(code).has_value();
  return roles;
}

}  // namespace host
