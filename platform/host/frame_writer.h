// Puts the 320 x 240 screen on a framebuffer's visible area: at the largest
// whole factor that fits, centred on black, in the panel's pixel format.
// Only the screen rows that changed since the last frame are written, so a
// slow panel (an SPI display the kernel refreshes from memory) sees small
// updates for small changes.
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

// Whether the whole screen fits on a panel of this size.
bool PanelHoldsScreen(int width, int height);

class FrameWriter {
 public:
  // The panel must hold the screen (PanelHoldsScreen).
  explicit FrameWriter(const PanelView& panel);

  // Writes the screen's changed rows; the first frame also blacks the
  // margins around it. Returns the number of screen rows written.
  int Write(const gdi::Surface32& screen);

  const Placement& Place() const { return place_; }

 private:
  void Clear();
  bool RowChanged(const gdi::Surface32& screen, int y) const;
  void WriteRow(const gdi::Surface32& screen, int y);

  PanelView panel_;
  Placement place_;
  std::vector<gdi::Pixel> shown_;  // the screen as last written, empty before the first
};

}  // namespace host
