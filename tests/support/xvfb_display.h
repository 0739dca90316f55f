// A private X server (Xvfb) for tests and benchmarks that open real
// windows, and the xdotool commands that act on them as a user would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

// Opens a test that needs a real X display. Without Xvfb or xdotool the test
// is skipped on a developer's machine but fails under CI (the environment
// variable CI set), so CI can never pass without it.
#define SKIP_WITHOUT_XVFB_UNLESS_CI()                                                   \
  do {                                                                                  \
    if (!::testing_support::XvfbDisplay::Installed()) {                                 \
      ASSERT_FALSE(::testing_support::XvfbDisplay::RequiredHere())                      \
          << "Xvfb or xdotool is not installed, and CI must run the real-window tests"; \
      GTEST_SKIP() << "Xvfb or xdotool is not installed";                               \
    }                                                                                   \
  } while (false)

namespace testing_support {

class XvfbDisplay {
 public:
  // Starts Xvfb on a free display; nullptr if Xvfb is not installed or failed.
  // Ends it (killed) with this object.
  static std::unique_ptr<XvfbDisplay> Start();
  static bool Installed();
  // Under CI, where a missing Xvfb is a failure rather than a reason to skip.
  static bool RequiredHere();

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
