// A Linux framebuffer mapped into memory: its geometry, pixel format and
// line length asked of the device, or, for a regular file standing in for
// one, given.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/host/frame_writer.h"
#include "platform/host/unique_fd.h"

namespace host {

class MappedFramebuffer {
 public:
  // Maps `path`; a regular file needs `geometry` and is made large enough.
  // Nothing and `error` set when it cannot be used.
  static std::unique_ptr<MappedFramebuffer> Open(const std::string& path,
                                                 const std::optional<FramebufferGeometry>& geometry,
                                                 std::string& error);
  ~MappedFramebuffer();
  MappedFramebuffer(const MappedFramebuffer&) = delete;
  MappedFramebuffer& operator=(const MappedFramebuffer&) = delete;

  const PanelView& View() const { return view_; }

  struct Mapping {
    UniqueFd fd;
    std::size_t length = 0;
    std::size_t visibleOffset = 0;  // bytes to the visible area's first pixel
    PanelView view;                 // its pixels still to be set
  };
  explicit MappedFramebuffer(Mapping mapping, void* memory);

 private:
  UniqueFd fd_;
  void* memory_ = nullptr;
  std::size_t length_ = 0;
  PanelView view_;
};

}  // namespace host
