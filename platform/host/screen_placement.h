// Where the 320 x 240 screen goes in a window or on a whole display, by
// whole factors only so that every device pixel stays a sharp square.
#pragma once

#include <algorithm>

#include "platform/win/host_port.h"

namespace host {

// The screen's scale and its top-left corner in the output's pixels.
struct Placement {
  int scale = 1;
  int x = 0;
  int y = 0;
};

// The largest whole factor at which the screen fits width x height (at
// least 1).
inline int LargestScale(int width, int height) {
  return std::max(1, std::min(width / kScreenWidth, height / kScreenHeight));
}

// The screen at the largest scale, centred; what is left around it stays black.
inline Placement CentredPlacement(int width, int height) {
  const int scale = LargestScale(width, height);
  return {scale, (width - kScreenWidth * scale) / 2, (height - kScreenHeight * scale) / 2};
}

// The window's decorations, in pixels on each side.
struct Frame {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
};

// The largest whole factor (at least 1) at which a window showing the
// screen, with its frame, fits the display's usable area.
inline int FittingWindowScale(int usableWidth, int usableHeight, const Frame& frame) {
  return LargestScale(usableWidth - frame.left - frame.right,
                      usableHeight - frame.top - frame.bottom);
}

}  // namespace host
