#include "skin/text_convert.h"

#include <cstring>

#include "platform/win/stringapiset.h"

namespace {

// In code page 949, bytes 0x81 to 0xFE lead a two-byte character.
int CharacterLength(const char* text) {
  const auto lead = static_cast<unsigned char>(*text);
  if (lead < 0x81 || lead == 0xFF) return 1;
  return text[1] == '\0' ? 0 : 2;
}

}  // namespace

int WideFromMultiByte(wchar_t* buffer, const char* text, int capacity) {
  if (!buffer || capacity <= 0) return 0;
  int written = 0;
  for (const char* p = text; p && *p && written < capacity - 1;) {
    const int length = CharacterLength(p);
    if (length == 0 ||
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, p, length, buffer + written, 1) != 1)
      break;
    ++written;
    p += length;
  }
  buffer[written] = L'\0';
  return written;
}

int MultiByteFromWide(char* buffer, const wchar_t* text, int capacity) {
  if (!buffer || capacity <= 0) return 0;
  int written = 0;
  for (const wchar_t* p = text; p && *p; ++p) {
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, 0, p, 1, bytes, sizeof(bytes), nullptr, &usedDefault);
    if (length <= 0 || usedDefault || length > capacity - 1 - written) break;
    std::memcpy(buffer + written, bytes, static_cast<std::size_t>(length));
    written += length;
  }
  buffer[written] = '\0';
  return written;
}
