// The names a script gives the device's keys ("LEFT", "F1", "DEVICE",
// "0xC3"), and the virtual-key codes they stand for.
#pragma once

#include <optional>
#include <string_view>

#include "platform/core/windef.h"

namespace host {

// The device's own close/cancel key; it has no name among the virtual keys.
constexpr UINT kDeviceCloseKey = 0xC3;

// Names are matched without regard to case; 0xNN gives any key 0x01..0xFE.
std::optional<UINT> VirtualKeyFromName(std::string_view name);

}  // namespace host
