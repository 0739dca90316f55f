#include "platform/host/evdev_capabilities.h"

#include "platform/host/evdev_translator.h"

namespace host {

DeviceRoles ClassifyDevice(const DeviceCapabilities& c) {
  DeviceRoles roles;
  if (!c.events[EV_KEY]) return roles;
  roles.pen = c.events[EV_ABS] && c.keys[BTN_TOUCH] && c.axes[ABS_X] && c.axes[ABS_Y];
  for (std::uint16_t code = 0; code < KEY_CNT && !roles.keys; ++code)
    roles.keys = c.keys[code] && VirtualKeyFromEvdevKey(code).has_value();
  return roles;
}

}  // namespace host
