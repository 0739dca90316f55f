// An input device the framebuffer host reads: an evdev device, or anything
// else that delivers the same records (a pipe, a file of recorded events),
// which reports no ranges.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/evdev_translator.h"
#include "platform/host/unique_fd.h"

namespace host {

class InputDevice {
 public:
  // Opens `path` for reading without blocking; nothing and `error` set if
  // it cannot be opened.
  static std::optional<InputDevice> Open(const std::string& path,
                                         const TouchCalibration& calibration, std::string& error);

  // The /dev/input/event* devices with a pen or keys, in name order.
  static std::vector<InputDevice> FindAll(const TouchCalibration& calibration);

  int Fd() const { return fd_.Get(); }

  // Reads what has arrived into `out`; false once the input has ended.
  bool Read(std::deque<InputEvent>& out);

 private:
  InputDevice(UniqueFd fd, const TouchCalibration& calibration, const DeviceRanges& ranges);

  UniqueFd fd_;
  EvdevTranslator translator_;
  std::vector<unsigned char> partial_;  // the start of a record a pipe split
};

}  // namespace host
