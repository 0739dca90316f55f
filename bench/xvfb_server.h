// A private X server (Xvfb) for a benchmark that opens a window.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace bench {

class XvfbServer {
 public:
  // Starts Xvfb on a display it picks; Display() is empty when it did not.
  XvfbServer();
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", for DISPLAY.
  const std::optional<std::string>& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::optional<std::string> display_;
};

}  // namespace bench
