#include "platform/host/touch_calibration.h"

#include <algorithm>
#include <cstdint>

#include "platform/res/words.h"
#include "platform/win/host_port.h"

namespace host {
namespace {

std::optional<AxisRange> ParseRange(std::string_view text) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::optional<int> first = res::ParseNumber<int>(text.substr(0, colon));
  const std::optional<int> last = res::ParseNumber<int>(text.substr(colon + 1));
  if (!first || !last || *first == *last) return std::nullopt;
  return AxisRange{*first, *last};
}

bool ApplyItem(std::string_view item, TouchCalibration& calibration) {
  if (item == "swap") return calibration.swapAxes = true;
  if (item == "invert-x") return calibration.invertX = true;
  if (item == "invert-y") return calibration.invertY = true;
  if (item.size() < 2 || item[1] != '=' || (item[0] != 'x' && item[0] != 'y')) return false;
  std::optional<AxisRange> range = ParseRange(item.substr(2));
  (item[0] == 'x' ? calibration.x : calibration.y) = range;
  return range.has_value();
}

std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
  const std::int64_t quotient = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

// Without a range, raw values are the screen's pixels.
int ToScreenAxis(int raw, const std::optional<AxisRange>& range, int size, bool invert) {
  const AxisRange r = range.value_or(AxisRange{0, size - 1});
  const std::int64_t span = static_cast<std::int64_t>(r.last) - r.first;
  const std::int64_t scaled = (static_cast<std::int64_t>(raw) - r.first) * (size - 1);
  const auto position = static_cast<int>(
      std::clamp<std::int64_t>(FloorDivide(2 * scaled + span, 2 * span), 0, size - 1));
  return invert ? size - 1 - position : position;
}

std::optional<AxisRange> Usable(const std::optional<AxisRange>& range) {
  if (range && range->first != range->last) return range;
  return std::nullopt;
}

}  // namespace

std::optional<TouchCalibration> ParseTouchCalibration(std::string_view text, std::string& error) {
  TouchCalibration calibration;
  size_t start = 0;
  do {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view item = text.substr(start, comma - start);
    if (!ApplyItem(item, calibration)) {
      error = "not a calibration item: '" + std::string(item) +
              "' (swap, invert-x, invert-y, x=FIRST:LAST, y=FIRST:LAST)";
      return std::nullopt;
    }
    start = comma + 1;
  } while (start <= text.size());
  return calibration;
}

ScreenPoint TouchToScreen(int rawX, int rawY, const TouchCalibration& calibration,
                          const DeviceRanges& device) {
  const bool swap = calibration.swapAxes;
  const std::optional<AxisRange> xRange =
      calibration.x ? calibration.x : Usable(swap ? device.y : device.x);
  const std::optional<AxisRange> yRange =
      calibration.y ? calibration.y : Usable(swap ? device.x : device.y);
  return {ToScreenAxis(swap ? rawY : rawX, xRange, kScreenWidth, calibration.invertX),
          ToScreenAxis(swap ? rawX : rawY, yRange, kScreenHeight, calibration.invertY)};
}

}  // namespace host
