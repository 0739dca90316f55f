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

FrameWriter::FrameWriter(const PanelView& panel)
    : panel_(panel),
      place_(CentredPlacement(panel.width, panel.height)),
      rowBytes_(kScreenWidth * BytesPerPixel(panel.format)) {}

// The first frame is converted straight into the kept one; later ones
// into the other, compared row by row with it, then the two change places.
int FrameWriter::Write(const gdi::Surface32& screen) {
  const bool first = shown_.empty();
  const size_t lines = (rowBytes_ * kScreenHeight + sizeof(Line) - 1) / sizeof(Line);
  if (first) {
    Clear();
    shown_.resize(lines);
  } else if (next_.empty()) {
    next_.resize(lines);
  }
  auto* frame = reinterpret_cast<std::uint8_t*>((first ? shown_ : next_).data());
  const auto* shown = reinterpret_cast<const std::uint8_t*>(shown_.data());
  int written = 0;
  for (int y = 0; y < kScreenHeight; ++y) {
    std::uint8_t* row = frame + y * rowBytes_;
    ConvertRow(screen.Row(y), kScreenWidth, panel_.format, row);
    if (!first && std::memcmp(row, shown + y * rowBytes_, rowBytes_) == 0) continue;
    WriteRow(row, y);
    ++written;
  }
  if (!first) shown_.swap(next_);
  return written;
}

// Black is all bits clear in every format.
void FrameWriter::Clear() {
  const size_t bytes = static_cast<size_t>(panel_.width) * BytesPerPixel(panel_.format);
  for (int line = 0; line < panel_.height; ++line)
    std::memset(panel_.pixels + static_cast<std::ptrdiff_t>(line) * panel_.lineLength, 0, bytes);
}

// The row widened by the factor into its first panel line, which the
// factor's other lines copy.
void FrameWriter::WriteRow(const std::uint8_t* row, int y) {
  const size_t pixelBytes = BytesPerPixel(panel_.format);
  const int top = place_.y + y * place_.scale;
  std::uint8_t* first = panel_.pixels + static_cast<std::ptrdiff_t>(top) * panel_.lineLength +
                        static_cast<std::ptrdiff_t>(place_.x) * pixelBytes;
  if (place_.scale == 1) {
    std::memcpy(first, row, rowBytes_);
    return;
  }
  std::uint8_t* to = first;
  for (size_t at = 0; at < rowBytes_; at += pixelBytes)
    for (int copy = 0; copy < place_.scale; ++copy, to += pixelBytes)
      std::memcpy(to, row + at, pixelBytes);
  const size_t bytes = rowBytes_ * place_.scale;
  for (int copy = 1; copy < place_.scale; ++copy)
    std::memcpy(first + static_cast<std::ptrdiff_t>(copy) * panel_.lineLength, first, bytes);
}

}  // namespace host
