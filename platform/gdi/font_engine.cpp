#include "platform/gdi/font_engine.h"

#include <chrono>
#include <map>
#include <tuple>

#include "platform/gdi/face_resolver.h"
#include "platform/gdi/typeface.h"

namespace gdi {

namespace {

constexpr int kDefaultHeight = 12;

using RequestKey = std::tuple<std::wstring, int, int, bool>;

RequestKey KeyOf(const FontSpec& wanted) {
  return {wanted.face, wanted.height == 0 ? kDefaultHeight : wanted.height, wanted.weight,
          wanted.italic};
}

}  // namespace

// Often enough for the next paint to show the labels, seldom enough that a
// font that cannot be had costs little.
constexpr std::chrono::milliseconds kRetryAfter{100};

struct Made {
  std::shared_ptr<Typeface> typeface;
  std::chrono::steady_clock::time_point at;
};

struct FontEngine::State {
  std::shared_ptr<const FontLibrary> library = std::make_shared<FontLibrary>();
  FaceResolver resolver;
  std::map<RequestKey, Made> typefaces;
};

FontEngine::FontEngine() : state_(std::make_unique<State>()) {}
FontEngine::~FontEngine() = default;

std::shared_ptr<Typeface> FontEngine::Get(const FontSpec& wanted) {
  const RequestKey key = KeyOf(wanted);
  Made& made = state_->typefaces[key];
  const auto now = std::chrono::steady_clock::now();
  if (made.typeface && (made.typeface->Usable() || now - made.at < kRetryAfter))
    return made.typeface;
  made.typeface = std::make_shared<Typeface>(state_->library, state_->resolver.Resolve(wanted),
                                             std::get<1>(key));
  made.at = now;
  return made.typeface;
}

}  // namespace gdi
