#include "platform/host/framebuffer_host.h"

#include <fcntl.h>
#include <linux/fb.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace host {
namespace {

ColourField FieldOf(const fb_bitfield& field) {
  return {static_cast<int>(field.offset), static_cast<int>(field.length)};
}

// What the device says of itself; false if it is no framebuffer.
bool AskDevice(int fd, MappedFramebuffer& mapping, std::string& error) {
  fb_var_screeninfo var{};
  fb_fix_screeninfo fix{};
  if (::ioctl(fd, FBIOGET_VSCREENINFO, &var) < 0 || ::ioctl(fd, FBIOGET_FSCREENINFO, &fix) < 0)
    return false;
  if (fix.visual != FB_VISUAL_TRUECOLOR && fix.visual != FB_VISUAL_DIRECTCOLOR) {
    error = "the framebuffer has no true-colour mode";
    return false;
  }
  const auto bits = static_cast<int>(var.bits_per_pixel);
  mapping.view = {nullptr, static_cast<int>(var.xres), static_cast<int>(var.yres),
                  static_cast<int>(fix.line_length),
                  PanelFormat{bits, FieldOf(var.red), FieldOf(var.green), FieldOf(var.blue)}};
  mapping.length = fix.smem_len;
  mapping.visibleOffset = static_cast<std::size_t>(var.yoffset) * fix.line_length +
                          static_cast<std::size_t>(var.xoffset) * (bits / 8);
  return true;
}

// A regular file as a framebuffer of the given geometry, grown to hold it.
bool StandIn(int fd, const FramebufferGeometry& geometry, MappedFramebuffer& mapping,
             std::string& error) {
  struct stat status {};
  if (::fstat(fd, &status) < 0 || !S_ISREG(status.st_mode)) {
    error = "neither a framebuffer device nor a regular file";
    return false;
  }
  const int lineLength = geometry.width * (geometry.bitsPerPixel / 8);
  mapping.view = {nullptr, geometry.width, geometry.height, lineLength,
                  *PanelFormatForDepth(geometry.bitsPerPixel)};
  mapping.length = static_cast<std::size_t>(lineLength) * geometry.height;
  if (static_cast<std::size_t>(status.st_size) < mapping.length &&
      ::ftruncate(fd, static_cast<off_t>(mapping.length)) < 0) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

bool Describe(int fd, const std::optional<FramebufferGeometry>& geometry,
              MappedFramebuffer& mapping, std::string& error) {
  if (AskDevice(fd, mapping, error)) return true;
  if (!error.empty()) return false;
  if (!geometry) {
    error = "not a framebuffer device; a file standing in for one needs --fb-geometry WxH@BPP";
    return false;
  }
  return StandIn(fd, *geometry, mapping, error);
}

bool Usable(const MappedFramebuffer& mapping, std::string& error) {
  const PanelView& view = mapping.view;
  if (!IsWritableFormat(view.format)) {
    error = "a pixel format of " + std::to_string(view.format.bitsPerPixel) +
            " bits that this program cannot write";
    return false;
  }
  if (view.width < kScreenWidth || view.height < kScreenHeight) {
    error = std::to_string(view.width) + "x" + std::to_string(view.height) +
            " is smaller than the 320x240 screen (a panel mounted upright needs the driver's "
            "rotation)";
    return false;
  }
  const std::size_t end = mapping.visibleOffset +
                          static_cast<std::size_t>(view.height - 1) * view.lineLength +
                          static_cast<std::size_t>(view.width) * (view.format.bitsPerPixel / 8);
  if (end > mapping.length) {
    error = "the framebuffer's memory is smaller than its visible area";
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<MappedFramebuffer> MappedFramebuffer::Open(
    const std::string& path, const std::optional<FramebufferGeometry>& geometry,
    std::string& error) {
  auto mapping = std::make_unique<MappedFramebuffer>();
  // A file standing in for the device is made if it is not there.
  const int create = geometry ? O_CREAT : 0;
  mapping->fd.Reset(::open(path.c_str(), O_RDWR | O_CLOEXEC | create, 0666));
  if (!mapping->fd.Valid()) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  if (!Describe(mapping->fd.Get(), geometry, *mapping, error) || !Usable(*mapping, error)) {
    error = path + ": " + error;
    return nullptr;
  }
  void* memory =
      ::mmap(nullptr, mapping->length, PROT_READ | PROT_WRITE, MAP_SHARED, mapping->fd.Get(), 0);
  if (memory == MAP_FAILED) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  mapping->memory = memory;
  mapping->view.pixels = static_cast<std::uint8_t*>(memory) + mapping->visibleOffset;
  return mapping;
}

MappedFramebuffer::~MappedFramebuffer() {
  if (memory) ::munmap(memory, length);
}

}  // namespace host
