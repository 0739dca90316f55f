// Which font file serves a font request, decided by fontconfig. The program
// asks only for the device's face names ("Gulim", "System"), which no
// desktop has; every request is served by the best Korean-capable
// sans-serif face installed, found first by its known file name when it is
// there, so that fontconfig is loaded only when the file is missing.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace gdi {

struct FontSpec;

struct FaceFile {
  std::string path;
  int index = 0;          // face within a collection file
  bool embolden = false;  // bold asked for but the file's face is lighter

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

  // nullopt when no font at all is installed. Without any Korean-capable
  // face, whatever exists is used and one line on stderr says so.
  std::optional<FaceFile> Resolve(const FontSpec& wanted);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The face a request gets on Debian, found by its file name: a start then needs no fontconfig,
// whose configuration takes longer to read than the rest of the start. It gives what fontconfig
// would give for the same request on a system with fonts-nanum and
// fontconfig's own setup: NanumGothic (its bold file for weight 600 and
// more), when the file is installed and neither the
// environment nor the user's own configuration gives fontconfig a say.
std::optional<FaceFile> KnownKoreanFace(const FontSpec& wanted);

}  // namespace gdi
