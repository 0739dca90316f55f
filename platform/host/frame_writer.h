// Puts the 320 x 240 screen on a framebuffer's visible area: at the largest
// whole factor that fits, centred on black, in the panel's pixel format.
// Only the rows that changed since the last frame, as the panel shows them,
// are written, so a slow panel (an SPI display the kernel refreshes from
// the pages written) sees small updates for small changes. The last frame
// is kept here: a framebuffer's memory can be slow to read.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/pixels.h"
#include "platform/host/panel_format.h"
#include "platform/host/screen_placement.h"

namespace host {

// A framebuffer's visible area in memory.
struct PanelView {
  std::uint8_t* pixels = nullptr;  // the top-left pixel
  int width = 0;
  int height = 0;
  int lineLength = 0;  // bytes from one line to the next
  PanelFormat format;
};

class FrameWriter {
 public:
  // The panel must hold the whole screen.
  explicit FrameWriter(const PanelView& panel);

  // Writes the screen's changed rows; the first frame also blacks the
  // margins around it. Returns the number of screen rows written.
  int Write(const gdi::Surface32& screen);

  const Placement& Place() const { return place_; }

 private:
  void Clear();
  void WriteRow(const std::uint8_t* row, int y);

  PanelView panel_;
  Placement place_;
  size_t rowBytes_;  // one screen row in the panel's format, unscaled
  // Frames in whole cache lines, as the widest conversion stores them.
  struct alignas(64) Line {
    std::uint8_t bytes[64];
  };
  // The frame as last written (empty before the first) and the one being
  // converted (from the second on).
  std::vector<Line> shown_;
  std::vector<Line> next_;
};

}  // namespace host
