// One input device's evdev events as the device's input: BTN_TOUCH down and
// up are the pen's, the absolute X/Y while it is down its moves, reported
// when the device ends the frame (SYN_REPORT); keys are the device's keys,
// with the kernel's auto-repeat dropped. And which devices the framebuffer
// host reads, by what each says it can report.
#pragma once

#include <linux/input.h>

#include <bitset>
#include <cstdint>
#include <deque>
#include <optional>

#include "platform/host/touch_calibration.h"
#include "platform/win/host_port.h"

namespace host {

// The device's virtual key for a Linux key code, if it has one: arrows,
// Enter, Escape, F1-F4, End as the close key, digits as the pad's.
std::optional<UINT> VirtualKeyFromEvdevKey(std::uint16_t code);

class EvdevTranslator {
 public:
  EvdevTranslator(const TouchCalibration& calibration, const DeviceRanges& ranges);

  // Adds to `out` the input events this evdev event completes.
  void Feed(std::uint16_t type, std::uint16_t code, std::int32_t value,
            std::deque<InputEvent>& out);

 private:
  void EndFrame(std::deque<InputEvent>& out);
  void Key(std::uint16_t code, std::int32_t value, std::deque<InputEvent>& out);

  TouchCalibration calibration_;
  DeviceRanges ranges_;
  int rawX_ = 0;
  int rawY_ = 0;
  std::optional<bool> touch_;  // BTN_TOUCH's value in the frame being read
  bool down_ = false;
  ScreenPoint last_;  // where the pen was last reported
};

// What a /dev/input/event* device says it can report.
struct DeviceCapabilities {
  std::bitset<EV_CNT> events;
  std::bitset<KEY_CNT> keys;
  std::bitset<ABS_CNT> axes;
};

// What the framebuffer host reads a device for: a touch panel for the pen,
// a keyboard or a key pad for the keys (one device may be both).
struct DeviceRoles {
  bool pen = false;   // BTN_TOUCH with absolute X and Y
  bool keys = false;  // at least one key the device's keys map to
  bool operator==(const DeviceRoles&) const = default;
};

DeviceRoles ClassifyDevice(const DeviceCapabilities& capabilities);

}  // namespace host
