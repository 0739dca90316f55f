#include "platform/host/key_names.h"

#include <array>
#include <cctype>
#include <charconv>

#include "platform/win/winuser.h"

namespace host {
namespace {

struct NamedKey {
  std::string_view name;
  UINT vk;
};

constexpr std::array<NamedKey, 11> kNamedKeys{{
    {"LEFT", VK_LEFT},
    {"UP", VK_UP},
    {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},
    {"RETURN", VK_RETURN},
    {"ESCAPE", VK_ESCAPE},
    {"F1", VK_F1},
    {"F2", VK_F2},
    {"F3", VK_F3},
    {"F4", VK_F4},
    {"DEVICE", kDeviceCloseKey},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(b[i]))
      return false;
  return true;
}

std::optional<UINT> HexKey(std::string_view text) {
  if (text.size() < 3 || text.size() > 4 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
    return std::nullopt;
  UINT vk = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data() + 2, end, vk, 16);
  if (ec != std::errc() || ptr != end || vk == 0 || vk == 0xFF) return std::nullopt;
  return vk;
}

std::optional<UINT> NumpadKey(std::string_view name) {
  constexpr std::string_view kPrefix = "NUMPAD";
  if (name.size() != kPrefix.size() + 1 ||
      !EqualsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix))
    return std::nullopt;
  char digit = name.back();
  if (digit < '0' || digit > '9') return std::nullopt;
  return VK_NUMPAD0 + static_cast<UINT>(digit - '0');
}

}  // namespace

std::optional<UINT> VirtualKeyFromName(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (EqualsIgnoringCase(name, key.name)) return key.vk;
  if (auto numpad = NumpadKey(name)) return numpad;
  return HexKey(name);
}

}  // namespace host
