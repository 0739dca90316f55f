#include "platform/host/framebuffer_host.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace host {
namespace {

// The bits the device sets for `type` (0: its event types).
template <size_t N>
bool ReadBits(int fd, unsigned type, std::bitset<N>& bits) {
  unsigned char bytes[(N + 7) / 8] = {};
  if (::ioctl(fd, EVIOCGBIT(type, sizeof bytes), bytes) < 0) return false;
  for (size_t bit = 0; bit < N; ++bit) bits[bit] = (bytes[bit / 8] >> (bit % 8)) & 1;
  return true;
}

// Nothing for what is not an evdev device.
std::optional<DeviceCapabilities> Capabilities(int fd) {
  DeviceCapabilities c;
  if (!ReadBits(fd, 0, c.events)) return std::nullopt;
  ReadBits(fd, EV_KEY, c.keys);
  ReadBits(fd, EV_ABS, c.axes);
  return c;
}

std::optional<AxisRange> Range(int fd, unsigned axis) {
  input_absinfo info{};
  if (::ioctl(fd, EVIOCGABS(axis), &info) < 0 || info.minimum == info.maximum) return std::nullopt;
  return AxisRange{info.minimum, info.maximum};
}

}  // namespace

InputDevice::InputDevice(UniqueFd fd, const TouchCalibration& calibration,
                         const DeviceRanges& ranges)
    : fd_(std::move(fd)), translator_(calibration, ranges) {}

std::optional<InputDevice> InputDevice::Open(const std::string& path,
                                             const TouchCalibration& calibration,
                                             std::string& error) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.Valid()) {
    error = path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  DeviceRanges ranges;
  if (Capabilities(fd.Get())) ranges = {Range(fd.Get(), ABS_X), Range(fd.Get(), ABS_Y)};
  return InputDevice(std::move(fd), calibration, ranges);
}

std::vector<InputDevice> InputDevice::FindAll(const TouchCalibration& calibration) {
  std::vector<std::string> paths;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/input", ec))
    if (entry.path().filename().string().starts_with("event")) paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  std::vector<InputDevice> devices;
  for (const std::string& path : paths) {
    std::string error;
    std::optional<InputDevice> device = Open(path, calibration, error);
    if (!device) continue;
    const std::optional<DeviceCapabilities> c = Capabilities(device->Fd());
    const DeviceRoles roles = c ? ClassifyDevice(*c) : DeviceRoles{};
    if (roles.pen || roles.keys) devices.push_back(std::move(*device));
  }
  return devices;
}

bool InputDevice::Read(std::deque<InputEvent>& out) {
  unsigned char buffer[64 * sizeof(input_event)];
  const size_t kept = partial_.size();
  std::copy(partial_.begin(), partial_.end(), buffer);
  const ssize_t got = ::read(fd_.Get(), buffer + kept, sizeof buffer - kept);
  if (got == 0) return false;
  if (got < 0) return errno == EAGAIN || errno == EINTR;
  const size_t total = kept + static_cast<size_t>(got);
  const size_t whole = total - total % sizeof(input_event);
  for (size_t at = 0; at < whole; at += sizeof(input_event)) {
    input_event event;
    std::memcpy(&event, buffer + at, sizeof event);
    translator_.Feed(event.type, event.code, event.value, out);
  }
  partial_.assign(buffer + whole, buffer + total);
  return true;
}

}  // namespace host
