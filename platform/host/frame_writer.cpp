#include "platform/host/frame_writer.h"

#include <algorithm>
#include <cstring>

#include "platform/win/host_port.h"

namespace host {
namespace {

size_t BytesPerPixel(const PanelFormat& format) {
  return static_cast<size_t>(format.bitsPerPixel / 8);
}

}  // namespace

bool PanelHoldsScreen(int width, int height) {
  return width >= kScreenWidth && height >= kScreenHeight;
}

FrameWriter::FrameWriter(const PanelView& panel)
    : panel_(panel), place_(CentredPlacement(panel.width, panel.height)) {}

int FrameWriter::Write(const gdi::Surface32& screen) {
  const bool first = shown_.empty();
  if (first) {
    Clear();
    shown_.resize(static_cast<size_t>(kScreenWidth) * kScreenHeight);
  }
  int written = 0;
  for (int y = 0; y < kScreenHeight; ++y) {
    if (!first && !RowChanged(screen, y)) continue;
    WriteRow(screen, y);
    ++written;
  }
  return written;
}

// Black is all bits clear in every format.
void FrameWriter::Clear() {
  const size_t bytes = static_cast<size_t>(panel_.width) * BytesPerPixel(panel_.format);
  for (int line = 0; line < panel_.height; ++line)
    std::memset(panel_.pixels + static_cast<std::ptrdiff_t>(line) * panel_.lineLength, 0, bytes);
}

bool FrameWriter::RowChanged(const gdi::Surface32& screen, int y) const {
  return std::memcmp(screen.Row(y), &shown_[static_cast<size_t>(y) * kScreenWidth],
                     kScreenWidth * sizeof(gdi::Pixel)) != 0;
}

// The row is converted once into its first panel line, which the factor's
// other lines copy.
void FrameWriter::WriteRow(const gdi::Surface32& screen, int y) {
  std::copy_n(screen.Row(y), kScreenWidth, &shown_[static_cast<size_t>(y) * kScreenWidth]);
  const int top = place_.y + y * place_.scale;
  std::uint8_t* first = panel_.pixels + static_cast<std::ptrdiff_t>(top) * panel_.lineLength +
                        static_cast<std::ptrdiff_t>(place_.x) * BytesPerPixel(panel_.format);
  ConvertRow(screen.Row(y), kScreenWidth, place_.scale, panel_.format, first);
  const size_t bytes = kScreenWidth * place_.scale * BytesPerPixel(panel_.format);
  for (int copy = 1; copy < place_.scale; ++copy)
    std::memcpy(first + static_cast<std::ptrdiff_t>(copy) * panel_.lineLength, first, bytes);
}

}  // namespace host
