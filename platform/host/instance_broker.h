// Keeps one running program per data file across processes. The window
// manager consults it when FindWindow finds no local window of a class, and
// when SetForegroundWindow is asked to raise a window of another process.
#pragma once

#include <string_view>

#include "platform/core/context.h"

namespace host {

// Installed into the platform context by main(): Context::Install<host::InstanceBroker>.
// Without one, FindWindow looks at this process alone.
class InstanceBroker : public platform::Service {
 public:
  // Another process using the same data file has a top-level window of this class.
  virtual bool IsRunningElsewhere(std::wstring_view className) = 0;

  // Asks that process to bring its window to the front.
  virtual void RaiseElsewhere(std::wstring_view className) = 0;

  // This process has created a top-level window of this class: claim it, so
  // later processes with the same data file find it.
  virtual void Announce(std::wstring_view className) = 0;
};

}  // namespace host
