// Finds the font file for a requested face with fontconfig. The device's
// faces ("Gulim" and the like) do not exist here; any request the system
// cannot serve with a Korean-capable face of that name is served by the
// best Korean-capable sans-serif face installed.
#pragma once

#include <optional>
#include <string>

namespace gdi {

struct FontFile {
  std::string path;
  int index = 0;
  bool korean = false;  // the face covers Korean
};

// Empty when no face at all is installed.
std::optional<FontFile> ResolveFontFile(const std::wstring& family, int weight, bool italic);

// Releases what fontconfig holds; resolving again starts it anew.
void ReleaseFontResolver();

}  // namespace gdi
