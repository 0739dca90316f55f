#include "platform/win/path_overrides.h"

void PathOverrides::Set(const std::wstring& devicePath, const std::string& hostPath) {
  if (hostPath.empty()) {
    m_table.erase(devicePath);
  } else {
    m_table[devicePath] = hostPath;
  }
}

std::optional<std::string> PathOverrides::Find(const std::wstring& devicePath) const {
  auto found = m_table.find(devicePath);
  if (found == m_table.end()) return std::nullopt;
  return found->second;
}
