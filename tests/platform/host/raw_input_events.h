// Raw evdev records as a touch panel and a keyboard send them, for feeding
// the framebuffer host through a pipe.
#pragma once

#include <linux/input.h>

#include <cstring>
#include <string>

namespace testing_support {

inline std::string RawEvent(std::uint16_t type, std::uint16_t code, std::int32_t value) {
  input_event event{};
  event.type = type;
  event.code = code;
  event.value = value;
  return std::string(reinterpret_cast<const char*>(&event), sizeof event);
}

inline std::string RawReport() { return RawEvent(EV_SYN, SYN_REPORT, 0); }

// A finger down at raw (x, y) and up again, in the order panels send it.
inline std::string RawTap(int x, int y) {
  return RawEvent(EV_KEY, BTN_TOUCH, 1) + RawEvent(EV_ABS, ABS_X, x) + RawEvent(EV_ABS, ABS_Y, y) +
         RawReport() + RawEvent(EV_KEY, BTN_TOUCH, 0) + RawReport();
}

}  // namespace testing_support
