// The virtual-key codes of the keys the device has, as the hosts deliver them.
#pragma once

#include "platform/win/windef.h"

namespace host::keys {

constexpr UINT kReturn = 0x0D;
constexpr UINT kEscape = 0x1B;
constexpr UINT kLeft = 0x25;
constexpr UINT kUp = 0x26;
constexpr UINT kRight = 0x27;
constexpr UINT kDown = 0x28;
constexpr UINT kNumpad0 = 0x60;  // kNumpad0 + n for digit n
constexpr UINT kF1 = 0x70;       // kF1 + n - 1 for Fn
constexpr UINT kF2 = 0x71;
constexpr UINT kF3 = 0x72;
constexpr UINT kF4 = 0x73;
// The device's own close/cancel key; it has no name among the virtual keys.
constexpr UINT kDeviceClose = 0xC3;

}  // namespace host::keys
