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

struct MappedFramebuffer {
  // Maps `path`; a regular file needs `geometry` and is made large enough.
  // Nothing and `error` set when it cannot be used.
  static std::unique_ptr<MappedFramebuffer> Open(const std::string& path,
                                                 const std::optional<FramebufferGeometry>& geometry,
                                                 std::string& error);
  MappedFramebuffer() = default;
  ~MappedFramebuffer();
  MappedFramebuffer(const MappedFramebuffer&) = delete;
  MappedFramebuffer& operator=(const MappedFramebuffer&) = delete;

  UniqueFd fd;
  std::size_t length = 0;
  std::size_t visibleOffset = 0;  // bytes to the visible area's first pixel
  PanelView view;                 // its pixels set once mapped
  void* memory = nullptr;
};

}  // namespace host
