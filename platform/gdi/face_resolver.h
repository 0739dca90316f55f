// Which font file serves a font request, decided by fontconfig. The program
// asks for the device's face names ("Gulim", "System"); they are served by
// the best Korean-capable sans-serif face installed, found first by its
// known file name when it is there, so that fontconfig is loaded only when
// something else is asked for.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace gdi {

struct FontSpec;

struct FaceFile {
  std::string path;
  int index = 0;          // face within a collection file
  bool embolden = false;  // bold asked for but the file's face is lighter
  bool slant = false;     // italic asked for but the file's face is upright

  bool operator==(const FaceFile&) const = default;
};

// Requests of this weight or more take a bold face.
constexpr int kBoldFromWeight = 600;

enum class FaceLookup {
  kKnownFilesFirst,  // the program's way
  kFontconfigOnly,   // what the known files must agree with
};

class FaceResolver {
 public:
  explicit FaceResolver(FaceLookup lookup = FaceLookup::kKnownFilesFirst);
  ~FaceResolver();
  FaceResolver(const FaceResolver&) = delete;
  FaceResolver& operator=(const FaceResolver&) = delete;

  // nullopt when no font at all is installed. Without any Korean-capable
  // face, whatever exists is used and one line on stderr says so.
  std::optional<FaceFile> Resolve(const FontSpec& wanted);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The face a device face name gets on Debian, found by its file name
// (known_face.cpp): a start then needs no fontconfig, whose configuration
// takes longer to read than the rest of the start. It gives what fontconfig
// would give for the same request on a system with fonts-nanum and
// fontconfig's own setup.

// The device's face names ("Gulim", "System"), which no desktop has, and
// the empty name: all served by the Korean sans-serif face.
bool IsDeviceFace(std::wstring_view face);

// NanumGothic (its bold file for weight 600 and more; italic slanted), for
// a device face name, when the file is installed and neither the
// environment nor the user's own configuration gives fontconfig a say.
std::optional<FaceFile> KnownKoreanFace(const FontSpec& wanted);

}  // namespace gdi
