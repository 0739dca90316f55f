// Where a touch panel's raw coordinates land on the 320 x 240 screen. A
// panel reports its axes over ranges of its own (an evdev device says which)
// and is often mounted turned or flipped against the display; the
// calibration swaps, inverts or re-ranges the axes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host {

// The raw values at the screen's first and last pixel of an axis; first
// above last runs the axis backwards.
struct AxisRange {
  int first = 0;
  int last = 0;
};

// --touch-calibration=ITEM[,ITEM]...:
//   swap         the panel's X axis is the screen's y and its Y the screen's x
//   x=A:B y=A:B  the raw values (after swap) at the screen's left and right,
//                top and bottom edges
//   invert-x invert-y  flips the screen axis after the mapping
struct TouchCalibration {
  bool swapAxes = false;
  bool invertX = false;
  bool invertY = false;
  std::optional<AxisRange> x;
  std::optional<AxisRange> y;
};

// The ranges a device reports for its own X and Y axes; none for input
// that is not a device (then raw values are screen pixels).
struct DeviceRanges {
  std::optional<AxisRange> x;
  std::optional<AxisRange> y;
};

// The calibration, or nothing and `error` set.
std::optional<TouchCalibration> ParseTouchCalibration(std::string_view text, std::string& error);

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The screen pixel a raw touch falls on, rounded to the nearest and kept on
// the screen. The calibration's ranges win over the device's.
ScreenPoint TouchToScreen(int rawX, int rawY, const TouchCalibration& calibration,
                          const DeviceRanges& device);

}  // namespace host
