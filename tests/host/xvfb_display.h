// A private X server (Xvfb) for tests that open real windows, and the
// xdotool commands that act on them as a user would.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/host/child_process.h"

namespace testing_support {

class XvfbDisplay {
 public:
  // Starts Xvfb on a free display; nullptr if Xvfb is not installed or failed.
  static std::unique_ptr<XvfbDisplay> Start();
  static bool Installed();

  explicit XvfbDisplay(std::unique_ptr<ChildProcess> server, std::string name);

  // ":N", for DISPLAY.
  const std::string& Name() const { return name_; }
  std::string Environment() const { return "DISPLAY=" + name_; }

  // Runs xdotool with `arguments` on this display; its standard output.
  std::optional<std::string> Xdotool(const std::vector<std::string>& arguments) const;

 private:
  std::unique_ptr<ChildProcess> server_;
  std::string name_;
};

}  // namespace testing_support
