#include "dialogs/message_lines.h"

namespace {

bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

}  // namespace

// A lead byte at the very end of the text stands alone: the line takes only
// what the text holds.
std::vector<std::string> CutMessageLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::string line;
    while (pos < text.size()) {
      const char byte = text[pos];
      if (IsLeadByte(byte)) {
        const std::size_t width = pos + 1 < text.size() ? 2 : 1;
        line.append(text.substr(pos, width));
        pos += width;
      } else if (byte == '\n') {
        ++pos;
        break;
      } else if (line.empty() && byte == ' ') {
        ++pos;
        continue;
      } else {
        line += byte;
        ++pos;
      }
      if (line.size() > kMessageLineBytes) break;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}
