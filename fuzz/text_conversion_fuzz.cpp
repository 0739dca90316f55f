// Any bytes as code page 949 text, and any code units as wide text: the
// size a conversion asks for is the size it writes, a buffer one short is
// refused without a write past its end, and strict UTF-8 goes through wide
// text and back unchanged.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "platform/core/utf8.h"
#include "platform/win/stringapiset.h"

namespace {

void ToWide(UINT codePage, const char* bytes, int length) {
  const int needed = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, nullptr, 0);
  if (needed <= 0) return;
  std::vector<wchar_t> exact(static_cast<std::size_t>(needed));
  Require(MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, exact.data(),
                              needed) == needed,
          "to wide: writes the size it asked for");
  std::vector<wchar_t> shorter(static_cast<std::size_t>(needed - 1) + 1);
  if (needed > 1)
    Require(MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, shorter.data(),
                                needed - 1) == 0,
            "to wide: a buffer one short is refused");
}

void FromWide(UINT codePage, const std::wstring& wide) {
  const int length = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return;
  std::vector<char> exact(static_cast<std::size_t>(needed));
  BOOL usedDefault = FALSE;
  Require(WideCharToMultiByte(codePage, 0, wide.data(), length, exact.data(), needed, nullptr,
                              &usedDefault) == needed,
          "from wide: writes the size it asked for");
  if (needed > 1) {
    std::vector<char> shorter(static_cast<std::size_t>(needed - 1));
    Require(WideCharToMultiByte(codePage, 0, wide.data(), length, shorter.data(), needed - 1,
                                nullptr, nullptr) == 0,
            "from wide: a buffer one short is refused");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const int length = static_cast<int>(size);
  ToWide(kCodePageKorean, bytes, length);

  const std::string text(bytes, size);
  const auto wide = platform::WideFromUtf8(text);
  if (wide) {
    Require(platform::Utf8FromWide(*wide) == text, "UTF-8 through wide text comes back unchanged");
  }

  std::wstring units;
  for (std::size_t i = 0; i + 4 <= size; i += 4) {
    std::uint32_t unit = data[i] | data[i + 1] << 8 | data[i + 2] << 16 |
                         static_cast<std::uint32_t>(data[i + 3]) << 24;
    units += static_cast<wchar_t>(unit & 0x1FFFFF);
  }
  FromWide(kCodePageKorean, units);
  return 0;
}
