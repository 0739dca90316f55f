// Which font file serves a font request, decided by fontconfig. The program
// asks for the device's face names ("Gulim", "System"); they are served by
// the best Korean-capable sans-serif face installed, found first by its
// known file name when it is there (known_face.h), so that fontconfig is
// loaded only when something else is asked for.
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

}  // namespace gdi
