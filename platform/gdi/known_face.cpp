#include "platform/gdi/face_resolver.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cwctype>
#include <string>

#include "platform/gdi/font_engine.h"

namespace gdi {

namespace {

constexpr std::array<std::wstring_view, 3> kDeviceFaces = {L"Gulim", L"System", L"MS Sans Serif"};
constexpr char kRegularFile[] = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf";
constexpr char kBoldFile[] = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

bool Exists(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

// Fontconfig reads another configuration than the system's when told to by
// the environment, and the system's reads the user's own files.
bool FontconfigMayChooseOtherwise() {
  for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"})
    if (std::getenv(variable)) return true;
  const char* home = std::getenv("HOME");
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  std::string userConfig;
  if (configHome && *configHome)
    userConfig = std::string(configHome) + "/fontconfig";
  else if (home)
    userConfig = std::string(home) + "/.config/fontconfig";
  if (!userConfig.empty() && (Exists(userConfig + "/fonts.conf") || Exists(userConfig + "/conf.d")))
    return true;
  return home && (Exists(std::string(home) + "/.fonts.conf") ||
                  Exists(std::string(home) + "/.fonts.conf.d"));
}

}  // namespace

bool IsDeviceFace(std::wstring_view face) {
  return face.empty() ||
         std::any_of(kDeviceFaces.begin(), kDeviceFaces.end(),
                     [face](std::wstring_view known) { return EqualNoCase(face, known); });
}

std::optional<FaceFile> KnownKoreanFace(const FontSpec& wanted) {
  if (!IsDeviceFace(wanted.face) || FontconfigMayChooseOtherwise()) return std::nullopt;
  FaceFile file;
  file.path = wanted.weight >= kBoldFromWeight ? kBoldFile : kRegularFile;
  if (!Exists(file.path)) return std::nullopt;
  // Both files are upright; fontconfig slants an italic request.
  file.slant = wanted.italic;
  return file;
}

}  // namespace gdi
