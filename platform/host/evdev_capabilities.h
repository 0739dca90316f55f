// Which /dev/input/event* devices the framebuffer host reads, by what each
// says it can report: a touch panel for the pen, a keyboard or a key pad
// for the keys (one device may be both).
#pragma once

#include <linux/input.h>

#include <bitset>

namespace host {

struct DeviceCapabilities {
  std::bitset<EV_CNT> events;
  std::bitset<KEY_CNT> keys;
  std::bitset<ABS_CNT> axes;
};

struct DeviceRoles {
  bool pen = false;   // BTN_TOUCH with absolute X and Y
  bool keys = false;  // at least one key the device's keys map to
  bool operator==(const DeviceRoles&) const = default;
};

DeviceRoles ClassifyDevice(const DeviceCapabilities& capabilities);

}  // namespace host
