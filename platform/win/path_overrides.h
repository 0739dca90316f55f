// The table of device paths redirected to other host files, kept in the
// platform context so that tests can start afresh with Context::Reset.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/core/context.h"

class PathOverrides : public platform::Service {
 public:
  void Set(const std::wstring& devicePath, const std::string& hostPath);
  std::optional<std::string> Find(const std::wstring& devicePath) const;

  // The program's data file, as the launcher bound it.
  std::wstring m_programDataFile;

 private:
  std::map<std::wstring, std::string> m_table;
};
