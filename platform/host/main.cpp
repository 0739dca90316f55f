// The roadtally executable's main(), in a library so that the program and
// the test programs start the same way: the launcher gets the program
// (AfxWinMain) and the services above the host that it hands on.
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/cwinapp.h"
#include "platform/host/launcher.h"
#include "platform/res/png_codec.h"
#include "platform/res/resource_images.h"
#include "platform/win/files.h"
#include "platform/win/winbase.h"

namespace {

// The module path's buffer on the device.
constexpr DWORD kPathCapacity = 400;

// Where the program looks for its data: beside the executable, as the
// device names it.
std::wstring DefaultDeviceDataPath() {
  std::wstring module(kPathCapacity, L'\0');
  module.resize(GetModuleFileName(nullptr, module.data(), kPathCapacity));
  return module.substr(0, module.rfind(L'\\')) + L"\\Roadtally.dat";
}

void OverrideDataPath(const std::string& hostPath) {
  SetPathOverride(DefaultDeviceDataPath().c_str(), hostPath);
}

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

bool WriteShot(const gdi::Surface32& screen, const std::string& path) {
  return res::WritePngFile(path, screen);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  host::ProgramParts parts{AfxWinMain, WriteShot, LoadWindowIcon, OverrideDataPath};
  return host::Launch(arguments, parts);
}
