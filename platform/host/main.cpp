// The roadtally executable's main(), in a library so that the program and
// the test programs start the same way: the launcher gets the program
// (AfxWinMain), screenshots as PNG files, the icon resource, and the
// program's rule for its data file.
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/cwinapp.h"
#include "platform/host/launcher.h"
#include "platform/res/png_codec.h"
#include "platform/res/resources.h"

namespace {

// The desktop window's icon: the program's icon resource, opaque.
std::optional<host::WindowIcon> LoadWindowIcon() {
  constexpr WORD kProgramIcon = 128;
  std::optional<res::Image> image = res::LoadIconImage(kProgramIcon);
  if (!image) return std::nullopt;
  host::WindowIcon icon{image->width, image->height, {}};
  icon.argb.reserve(image->pixels.size());
  for (gdi::Pixel pixel : image->pixels) icon.argb.push_back(0xFF000000u | pixel);
  return icon;
}

// Screenshots are read back by tools and tests: written fast, still lossless.
bool WriteShot(const gdi::Surface32& screen, const std::string& path) {
  return res::WritePngFile(path, screen, res::PngEncoding::kFast);
}

}  // namespace

// Defined by the program, as its application object is: its data file for
// the executable's device path, empty when it keeps none. The launcher
// applies it once and may redirect it (--data PATH).
std::wstring ProgramDataPath(const std::wstring& modulePath);

int main(int argc, char** argv) {
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  host::ProgramParts parts{AfxWinMain, WriteShot, LoadWindowIcon, ProgramDataPath};
  return host::Launch(arguments, parts);
}
