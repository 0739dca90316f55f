#include "platform/host/screen_placement.h"

#include <algorithm>

#include "platform/win/host_port.h"

namespace host {
namespace {

int LargestScale(int width, int height) {
  return std::max(1, std::min(width / kScreenWidth, height / kScreenHeight));
}

}  // namespace

Placement CentredPlacement(int width, int height) {
  const int scale = LargestScale(width, height);
  return {scale, (width - kScreenWidth * scale) / 2, (height - kScreenHeight * scale) / 2};
}

int FittingWindowScale(int usableWidth, int usableHeight, const Frame& frame) {
  return LargestScale(usableWidth - frame.left - frame.right,
                      usableHeight - frame.top - frame.bottom);
}

}  // namespace host
